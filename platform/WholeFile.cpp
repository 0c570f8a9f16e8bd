#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "Descriptor.h"
#include "Paths.h"

namespace platform {
namespace {

FileStamp StampFrom(const struct stat& info) {
  return FileStamp{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                   static_cast<std::int64_t>(info.st_size),
                   static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes a new, hidden name beside path with make(name), which fails with
// EEXIST while the name is taken; returns what make returned last.
template <typename Make>
int MakeTemporaryBeside(const std::string& path, std::string& temporary, Make make) {
  static std::atomic<unsigned> counter{0};
  const std::string folder = ExtractFilePath(path);
  const std::string name = ExtractFileName(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" +
                std::to_string(counter.fetch_add(1));
    const int made = make(temporary);
    if (made >= 0 || errno != EEXIST) return made;
  }
  return -1;
}

// A new, hidden file beside path, created exclusively.
int CreateTemporaryBeside(const std::string& path, mode_t mode, std::string& temporary) {
  return MakeTemporaryBeside(path, temporary, [mode](const std::string& name) {
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  });
}

void SyncFolderOf(const std::string& path) {
  const std::string folder = ExtractFilePath(path);
  Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return StampFrom(info);
}

WholeFile ReadWholeFile(const std::string& path) {
  WholeFile result;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) {
    result.status = errno == ENOENT ? WholeFile::Status::Missing : WholeFile::Status::Unreadable;
    result.error = std::strerror(errno);
    return result;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    result.status = WholeFile::Status::Unreadable;
    result.error = "not a regular file";
    return result;
  }
  result.stamp = StampFrom(info);
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      result.status = WholeFile::Status::Unreadable;
      result.error = std::strerror(errno);
      result.bytes.clear();
      return result;
    }
    if (got == 0) break;
    result.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  result.status = WholeFile::Status::Read;
  return result;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  // A new file gets 0666 less the process's umask, as any file the program creates.
  const mode_t mode = exists ? (existing.st_mode & 07777) : 0666;

  std::string temporary;
  Descriptor fd(CreateTemporaryBeside(path, mode, temporary));
  if (fd.Get() < 0) return false;
  const bool written = (!exists || ::fchmod(fd.Get(), mode) == 0) && WriteAll(fd.Get(), bytes) &&
                       ::fsync(fd.Get()) == 0;
  if (!fd.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

bool ReplaceWithLinkAtomically(const std::string& existing, const std::string& path) {
  struct stat from {};
  struct stat to {};
  if (::stat(existing.c_str(), &from) != 0) return false;
  if (::stat(path.c_str(), &to) == 0 && to.st_dev == from.st_dev && to.st_ino == from.st_ino) return true;
  std::string temporary;
  if (MakeTemporaryBeside(path, temporary, [&existing](const std::string& name) {
        return ::link(existing.c_str(), name.c_str());
      }) != 0)
    return false;
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

bool SyncFileSystem(const std::string& folder) {
  Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.Get() >= 0 && ::syncfs(fd.Get()) == 0;
}

bool ReplaceFileCreatingFolder(const std::string& path, std::string_view bytes) {
  const std::string folder = ExtractFilePath(path);
  return (folder.empty() || ForceDirectories(folder)) && ReplaceFileAtomically(path, bytes);
}

}  // namespace platform
