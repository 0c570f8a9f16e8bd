#pragma once
// Whole small files as the settings stores keep them: read in one go, noticed
// when they change on disk, and replaced atomically (a temporary file in the
// same folder, flushed to disk, then renamed over the old one), so a reader
// never sees half a file and a failed write leaves the old file as it was.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What identifies one state of a file: a replaced or rewritten file gets a
// new stamp.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds
  bool operator==(const FileStamp&) const = default;
};

// Nothing when the file does not exist or cannot be examined.
std::optional<FileStamp> StampOf(const std::string& path);

struct WholeFile {
  enum class Status { Read, Missing, Unreadable };
  Status status = Status::Missing;
  std::string bytes;
  FileStamp stamp;    // of the file as read
  std::string error;  // why it could not be read
};

WholeFile ReadWholeFile(const std::string& path);

// Replaces (or creates) the file with bytes; its folder must exist. An
// existing file keeps its permissions; a new one gets the usual ones.
// False, with the old file untouched, when anything fails.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);
// The same, creating the file's folder and every missing parent first.
bool ReplaceFileCreatingFolder(const std::string& path, std::string_view bytes);
// Replaces (or creates) the file at path, as atomically, with a second name
// of the file existing, which must be a whole file on the disk already (as
// ReplaceFileAtomically leaves one): its bytes are not written again. True
// at once when both name one file. False, with the old file untouched, when
// anything fails (a file system without links, existing on another one).
bool ReplaceWithLinkAtomically(const std::string& existing, const std::string& path);

// Puts everything written to the file system that holds folder on its disk
// (files and folders alike, in one call). False when it cannot.
bool SyncFileSystem(const std::string& folder);

}  // namespace platform
