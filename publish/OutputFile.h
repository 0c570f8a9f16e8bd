#pragma once
// Where the writers put their files. Every page, style sheet and document is
// written through an OutputFile that a FileSink creates; its bytes stand under
// the file's name only once Commit succeeds, so a good file is never replaced
// by part of one. Tests put in a sink of their own (short writes, memory).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace publish {

// One file being written.
class OutputFile {
 public:
  virtual ~OutputFile() = default;

  // Appends the bytes at the write position; false when not all of them were
  // written. A failure is kept: every later Write and Commit fails too.
  virtual bool Write(std::string_view bytes) = 0;
  // Moves the write position (frames whose sizes are patched after the text).
  virtual bool Seek(std::uint64_t offset) = 0;
  // Puts the complete file under its name. False when a write failed or the
  // file cannot be put in place; the name then keeps what it held before.
  // An OutputFile dropped without Commit leaves nothing behind.
  virtual bool Commit() = 0;
  // True once a write or a seek has failed.
  virtual bool Failed() const = 0;
  virtual const std::string& Path() const = 0;
};

class FileSink {
 public:
  virtual ~FileSink() = default;
  // A new file to be written under path; null when it cannot be created.
  virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
  // Creates the folder and its missing parents; true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
};

// Tells the user that path could not be written (an error dialog).
void ReportUnwritable(std::string_view path);

// Writes bytes as the whole file path through sink; on failure reports it and
// returns false.
bool WriteWholeFile(FileSink& sink, const std::string& path, std::string_view bytes);

}  // namespace publish
