#include "AddinInstallation.h"

#include <cstdlib>
#include <filesystem>

#include "data/install/InstallationValues.h"

namespace testing_support {
namespace {

const char* const kAddinFiles[] = {"IxoBible.2005", "IxoReference.2005", "Ixo2005.kjv"};

}  // namespace

std::string AddinInstallation::BuiltDataFolder() {
  const char* bin = std::getenv("IXO_BUILD_BIN");
  return std::string(bin ? bin : ".") + "/Ixo-2005/Lib/";
}

bool AddinInstallation::BuiltDataExists() {
  for (const char* name : kAddinFiles)
    if (!std::filesystem::exists(BuiltDataFolder() + name)) return false;
  return true;
}

AddinInstallation::AddinInstallation() {
  std::filesystem::create_directories(VersionDir());
  for (const char* name : kAddinFiles)
    std::filesystem::create_symlink(std::filesystem::absolute(BuiltDataFolder() + name), VersionDir() + name);
  std::string error;
  data::WriteAddinInstallationValues(InstallDir(), {}, error);
}

bool AddinInstallation::CutFile(const std::string& name, std::size_t bytes) {
  const std::string whole = ReadFileBytes(BuiltDataFolder() + name);
  return RemoveFile(name) && WriteFileBytes(VersionDir() + name, whole.substr(0, bytes));
}

bool AddinInstallation::RemoveFile(const std::string& name) {
  std::error_code error;
  return std::filesystem::remove(VersionDir() + name, error);
}

bool AddinInstallation::UseLibrary(const std::string& path) {
  std::error_code error;
  return RemoveFile("Ixo2005.kjv") &&
         (std::filesystem::create_symlink(std::filesystem::absolute(path), VersionDir() + "Ixo2005.kjv", error),
          !error);
}

}  // namespace testing_support
