#include "Paths.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string IncludeTrailingSeparator(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != PathSeparator) result += PathSeparator;
  return result;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string result = IncludeTrailingSeparator(folder);
  while (!name.empty() && name.front() == PathSeparator) name.remove_prefix(1);
  result += name;
  return result;
}

std::string FileAddress(std::string_view absolutePath, std::string_view fragment) {
  std::string result = "file://";
  if (absolutePath.empty() || absolutePath.front() != PathSeparator) result += PathSeparator;
  result += absolutePath;
  result += fragment;
  return result;
}

std::string FileUrl(std::string_view absolutePath) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : absolutePath) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == PathSeparator || c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      encoded += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      encoded += '%';
      encoded += hex[byte >> 4];
      encoded += hex[byte & 0x0F];
    }
  }
  return FileAddress(encoded);
}

std::string ExtractFileName(std::string_view path) {
  const auto slash = path.rfind(PathSeparator);
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFilePath(std::string_view path) {
  const auto slash = path.rfind(PathSeparator);
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

bool HasFileExtension(std::string_view path) {
  return ExtractFileName(path).find('.') != std::string::npos;
}

std::vector<std::string> FolderList(std::string_view list) {
  std::vector<std::string> folders;
  for (;;) {
    const std::size_t colon = list.find(':');
    folders.emplace_back(list.substr(0, colon));
    if (colon == std::string_view::npos) return folders;
    list.remove_prefix(colon + 1);
  }
}

bool FileExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

bool DirectoryExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

bool ForceDirectories(std::string_view path) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path), error);
  return DirectoryExists(path);
}

}  // namespace platform
