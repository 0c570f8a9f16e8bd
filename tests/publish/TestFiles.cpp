#include "TestFiles.h"

#include "publish/DiskFiles.h"

namespace publish_test {
namespace {

// A disk file whose writes stop half way.
class HalfWrittenFile final : public publish::OutputFile {
 public:
  explicit HalfWrittenFile(std::unique_ptr<publish::OutputFile> file) : file_(std::move(file)) {}

  bool Write(std::string_view bytes) override {
    file_->Write(bytes.substr(0, bytes.size() / 2));
    failed_ = true;
    return false;
  }
  bool Seek(std::uint64_t offset) override { return !failed_ && file_->Seek(offset); }
  bool Commit() override { return !failed_ && file_->Commit(); }
  bool Failed() const override { return failed_; }
  const std::string& Path() const override { return file_->Path(); }

 private:
  std::unique_ptr<publish::OutputFile> file_;
  bool failed_ = false;
};

}  // namespace

bool MemoryFile::Write(std::string_view more) {
  if (failed_) return false;
  if (position_ + more.size() > room_) {
    failed_ = true;
    return false;
  }
  if (bytes.size() < position_ + more.size()) bytes.resize(position_ + more.size());
  bytes.replace(position_, more.size(), more);
  position_ += more.size();
  return true;
}

bool MemoryFile::Seek(std::uint64_t offset) {
  if (failed_ || offset > bytes.size()) {
    failed_ = true;
    return false;
  }
  position_ = static_cast<std::size_t>(offset);
  return true;
}

std::unique_ptr<publish::OutputFile> ShortWriteFiles::Create(const std::string& path) {
  std::unique_ptr<publish::OutputFile> file = publish::DiskFiles().Create(path);
  if (!file) return nullptr;
  ++created;
  if (!path.ends_with(failingName_)) return file;
  return std::make_unique<HalfWrittenFile>(std::move(file));
}

bool ShortWriteFiles::CreateFolder(const std::string& path) { return publish::DiskFiles().CreateFolder(path); }

}  // namespace publish_test
