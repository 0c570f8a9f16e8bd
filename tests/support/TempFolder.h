#pragma once
// A fresh temporary folder for one test, removed with everything in it.

#include <string>

namespace testing_support {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, with a trailing separator.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Writes bytes to a file, replacing it; false on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace testing_support
