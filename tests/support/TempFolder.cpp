#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace testing_support {

TempFolder::TempFolder() {
  const std::string base = std::filesystem::temp_directory_path().string() + "/ixo-test-XXXXXX";
  std::vector<char> name(base.begin(), base.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = std::string(name.data()) + "/";
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace testing_support
