#pragma once
// Output files for the publishing tests: one in memory with an optional room,
// and a sink that writes to disk except that one file's writes stop short, as
// on a full disk.

#include <cstddef>
#include <limits>
#include <memory>
#include <string>

#include "publish/OutputFile.h"

namespace publish_test {

class MemoryFile final : public publish::OutputFile {
 public:
  explicit MemoryFile(std::size_t room = std::numeric_limits<std::size_t>::max()) : room_(room) {}

  bool Write(std::string_view bytes) override;
  bool Seek(std::uint64_t offset) override;
  bool Commit() override { return !failed_; }
  bool Failed() const override { return failed_; }
  const std::string& Path() const override { return path_; }

  std::string bytes;

 private:
  std::size_t room_;
  std::size_t position_ = 0;
  bool failed_ = false;
  std::string path_ = "memory";
};

class ShortWriteFiles final : public publish::FileSink {
 public:
  // Writes to files whose path ends in failingName stop half way and fail.
  explicit ShortWriteFiles(std::string failingName) : failingName_(std::move(failingName)) {}

  std::unique_ptr<publish::OutputFile> Create(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;

  int created = 0;  // files created, the failing one included

 private:
  std::string failingName_;
};

}  // namespace publish_test
