#pragma once
// One data file held open as a whole-file view (or as a heap copy), for files
// of fixed-size records.
//
// A writable file is prepared before it is mapped: created or replaced, then
// its first records written. While a process holds a writable file mapped it
// keeps a shared lock on it; another process that finds the file locked does
// not replace it (replacing a file that someone has mapped would pull the
// pages from under them), but opens it with its present contents and only
// writes over its first records.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileView.h"

namespace ixo {

template <std::size_t RecordSize>
class MapClass {
 public:
  using Record = std::array<std::byte, RecordSize>;

  MapClass() = default;
  MapClass(const MapClass&) = delete;
  MapClass& operator=(const MapClass&) = delete;
  ~MapClass() { Close(); }

  // Opens the file unless a file is open already (then true at once, whatever
  // the path).
  // writable and mapped: the file is created or replaced when count > 0, else
  // it must exist; count records are written from its start (the first from
  // first, the last from last, the others from fill; a null first or last
  // means fill, a null fill a record of zero bytes); then the whole file is
  // mapped shared read/write.
  // Otherwise it is opened read-only and mapped, or (not mapped) copied onto
  // the heap; a copy that reads short leaves the base null, yet Open is true.
  // Nothing stays open after a failure, and the size measured at the last
  // successful open stays (0 when none succeeded).
  bool Open(const std::string& path, bool writable, bool mapped, int count, const Record* fill,
            const Record* first, const Record* last) {
    if (base_) return true;
    writable_ = writable;
    const std::size_t lastSize = size_;
    const bool opened = writable && mapped ? OpenWritable(path, count, fill, first, last)
                                           : OpenReadOnly(path, mapped);
    if (!opened) {
      Close();
      size_ = lastSize;
      return false;
    }
    path_ = path;
    if (!mapped) file_.reset();  // a heap copy needs no file
    return true;
  }

  // Releases the view or the copy and the file; the measured size stays.
  void Close() {
    view_.Close();
    copy_.reset();
    file_.reset();
    base_ = nullptr;
  }

  void* GetBase() const { return base_; }
  std::size_t GetByteCnt() const { return size_; }
  std::size_t GetRecordCnt() const { return size_ / RecordSize; }
  const std::string& GetPath() const { return path_; }
  bool IsWritable() const { return writable_; }

 private:
  class Descriptor {
   public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
      if (this != &other) reset(std::exchange(other.fd_, -1));
      return *this;
    }
    ~Descriptor() { reset(); }
    void reset(int fd = -1) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = fd;
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

   private:
    int fd_ = -1;
  };

  bool OpenWritable(const std::string& path, int count, const Record* fill, const Record* first,
                    const Record* last) {
    const bool create = count > 0;
    file_ = Descriptor(::open(path.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0666));
    if (!file_) file_ = Descriptor(::open(path.c_str(), O_RDWR | O_CLOEXEC));  // existing only
    if (!file_) return false;
    const bool replaceable = create && ::flock(file_.get(), LOCK_EX | LOCK_NB) == 0;
    if (replaceable && ::ftruncate(file_.get(), 0) != 0) return false;
    if (::flock(file_.get(), LOCK_SH) != 0) return false;
    const Record zero{};
    if (create && !WriteRecords(count, fill ? *fill : zero, first, last)) return false;
    if (!MeasureSize()) return false;
    return MapFile(platform::FileView::Access::ReadWrite);
  }

  bool OpenReadOnly(const std::string& path, bool mapped) {
    file_ = Descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file_ || !MeasureSize()) return false;
    if (mapped) return MapFile(platform::FileView::Access::ReadOnly);
    copy_ = std::make_unique<std::byte[]>(size_);
    if (ReadAll(copy_.get(), size_)) {
      base_ = copy_.get();
    } else {
      copy_.reset();
    }
    return true;
  }

  // Maps the file this object holds open, locked and written (not whatever
  // the path names by now), and counts the records of what it mapped.
  bool MapFile(platform::FileView::Access access) {
    view_ = platform::FileView::MapOpenFile(file_.get(), access);
    if (!view_.IsOpen()) return false;
    base_ = view_.Data();
    size_ = view_.Size();
    return true;
  }

  bool MeasureSize() {
    struct stat status {};
    if (::fstat(file_.get(), &status) != 0) return false;
    size_ = static_cast<std::size_t>(status.st_size);
    return true;
  }

  bool WriteRecords(int count, const Record& fill, const Record* first, const Record* last) {
    std::vector<Record> records(static_cast<std::size_t>(count), fill);
    records.front() = first ? *first : fill;
    if (count > 1) records.back() = last ? *last : fill;
    const auto* bytes = reinterpret_cast<const std::byte*>(records.data());
    std::size_t done = 0;
    const std::size_t total = records.size() * RecordSize;
    while (done < total) {
      const ssize_t written = ::pwrite(file_.get(), bytes + done, total - done,
                                       static_cast<off_t>(done));
      if (written <= 0) return false;
      done += static_cast<std::size_t>(written);
    }
    return true;
  }

  bool ReadAll(std::byte* into, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t got = ::pread(file_.get(), into + done, size - done, static_cast<off_t>(done));
      if (got <= 0) return false;
      done += static_cast<std::size_t>(got);
    }
    return true;
  }

  Descriptor file_;                    // the open file, kept until Close
  platform::FileView view_;            // the mapping and its view
  std::unique_ptr<std::byte[]> copy_;  // the heap copy of an unmapped open
  std::string path_;                   // the path of the last successful open
  std::size_t size_ = 0;               // bytes, measured at the last successful open
  void* base_ = nullptr;               // the view or the copy, null while closed
  bool writable_ = false;              // the mode asked for at the last open
};

}  // namespace ixo
