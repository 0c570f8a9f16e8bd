#include "ShellFolders.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <fstream>

#include "Paths.h"

namespace platform {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && path.back() == PathSeparator) path.pop_back();
  return path;
}

// Reads XDG_DOCUMENTS_DIR="$HOME/..." from the user-dirs file.
std::string DocumentsFromUserDirs() {
  std::ifstream file(JoinPath(ConfigurationFolder(), "user-dirs.dirs"));
  std::string line;
  const std::string key = "XDG_DOCUMENTS_DIR=";
  while (std::getline(file, line)) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    const std::string homeVariable = "$HOME";
    if (value.rfind(homeVariable, 0) == 0) value = HomeFolder() + value.substr(homeVariable.size());
    return value;
  }
  return {};
}

}  // namespace

std::string HomeFolder() {
  std::string home = Environment("HOME");
  return home.empty() ? std::string("/tmp") : WithoutTrailingSeparator(home);
}

std::string ConfigurationFolder() {
  std::string config = Environment("XDG_CONFIG_HOME");
  if (config.empty()) config = JoinPath(HomeFolder(), ".config");
  return WithoutTrailingSeparator(config);
}

std::string ApplicationDataFolder() {
  std::string data = Environment("XDG_DATA_HOME");
  if (data.empty()) data = JoinPath(HomeFolder(), ".local/share");
  return WithoutTrailingSeparator(data);
}

std::string PersonalDocumentsFolder() {
  std::string documents = Environment("XDG_DOCUMENTS_DIR");
  if (documents.empty()) documents = DocumentsFromUserDirs();
  if (documents.empty()) documents = JoinPath(HomeFolder(), "Documents");
  return WithoutTrailingSeparator(documents);
}

std::string ProgramFile() {
  std::array<char, 4096> buffer{};
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : std::string();
}

std::string ProgramFolder() {
  return WithoutTrailingSeparator(ExtractFilePath(ProgramFile()));
}

}  // namespace platform
