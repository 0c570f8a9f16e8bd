#pragma once
// A view of a whole file mapped into memory, read-only or shared read/write.

#include <cstddef>
#include <span>
#include <string>

namespace platform {

class FileView {
 public:
  enum class Access { ReadOnly, ReadWrite };

  FileView() = default;
  FileView(FileView&& other) noexcept;
  FileView& operator=(FileView&& other) noexcept;
  FileView(const FileView&) = delete;
  FileView& operator=(const FileView&) = delete;
  ~FileView();

  // Maps the whole of an existing file. An empty view (IsOpen false) when the
  // file cannot be opened or is empty. A read/write view is shared: what is
  // written through it reaches the file.
  static FileView Map(const std::string& path, Access access);
  // The same for a file the caller holds open (with the access asked for); the
  // descriptor stays the caller's.
  static FileView MapOpenFile(int descriptor, Access access);

  bool IsOpen() const { return data_ != nullptr; }
  std::byte* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  std::span<std::byte> Bytes() const { return {data_, size_}; }

  void Close();

 private:
  std::byte* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace platform
