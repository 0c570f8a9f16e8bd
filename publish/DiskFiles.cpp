#include "publish/DiskFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "platform/Paths.h"
#include "publish/OutputFile.h"

namespace publish {
namespace {

// A name beside the target that no other writer of this or another process uses.
std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

class DiskFile final : public OutputFile {
 public:
  DiskFile(std::string path, std::string temporary, int descriptor)
      : path_(std::move(path)), temporary_(std::move(temporary)), descriptor_(descriptor) {}

  ~DiskFile() override {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_) ::unlink(temporary_.c_str());
  }

  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  bool Write(std::string_view bytes) override {
    while (!failed_ && !bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) failed_ = true;
      else bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return !failed_;
  }

  bool Seek(std::uint64_t offset) override {
    if (!failed_ && ::lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) < 0) failed_ = true;
    return !failed_;
  }

  bool Commit() override {
    if (committed_) return true;
    if (failed_) return false;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0 || ::rename(temporary_.c_str(), path_.c_str()) != 0) {
      failed_ = true;
      return false;
    }
    committed_ = true;
    return true;
  }

  bool Failed() const override { return failed_; }
  const std::string& Path() const override { return path_; }

 private:
  std::string path_;
  std::string temporary_;
  int descriptor_;
  bool failed_ = false;
  bool committed_ = false;
};

class DiskSink final : public FileSink {
 public:
  // A file that replaces another keeps its permissions; a new one gets 0666
  // less the process's umask.
  std::unique_ptr<OutputFile> Create(const std::string& path) override {
    struct stat replaced {};
    const bool replaces = ::stat(path.c_str(), &replaced) == 0;
    std::string temporary;
    int descriptor = -1;
    do {
      temporary = TemporaryNameFor(path);
      descriptor = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (descriptor < 0 && errno == EEXIST);
    if (descriptor < 0) return nullptr;
    auto file = std::make_unique<DiskFile>(path, std::move(temporary), descriptor);
    if (replaces && ::fchmod(descriptor, replaced.st_mode & 07777) != 0) return nullptr;  // unlinks it
    return file;
  }

  bool CreateFolder(const std::string& path) override { return platform::ForceDirectories(path); }
};

}  // namespace

FileSink& DiskFiles() {
  static DiskSink sink;
  return sink;
}

}  // namespace publish
