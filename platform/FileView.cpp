#include "FileView.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace platform {

FileView::FileView(FileView&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

FileView& FileView::operator=(FileView&& other) noexcept {
  if (this != &other) {
    Close();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

FileView::~FileView() { Close(); }

FileView FileView::Map(const std::string& path, Access access) {
  const bool writable = access == Access::ReadWrite;
  const int descriptor = open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
  if (descriptor < 0) return {};
  FileView view = MapOpenFile(descriptor, access);
  close(descriptor);  // the mapping keeps the file referenced
  return view;
}

FileView FileView::MapOpenFile(int descriptor, Access access) {
  FileView view;
  const bool writable = access == Access::ReadWrite;
  struct stat status {};
  if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    const auto size = static_cast<std::size_t>(status.st_size);
    void* address = mmap(nullptr, size, writable ? PROT_READ | PROT_WRITE : PROT_READ,
                         writable ? MAP_SHARED : MAP_PRIVATE, descriptor, 0);
    if (address != MAP_FAILED) {
      view.data_ = static_cast<std::byte*>(address);
      view.size_ = size;
    }
  }
  return view;
}

void FileView::Close() {
  if (data_) munmap(data_, size_);
  data_ = nullptr;
  size_ = 0;
}

}  // namespace platform
