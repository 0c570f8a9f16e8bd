#pragma once
// An installation of the word-processor add-in's data for a test, in a fresh
// temporary folder: "install/Ixo-2005/Lib/" holds the two data files and the
// engine library built from the KJV (links to the files of the build), and a
// registry store of its own holds the values an installation writes.
// Single files can then be damaged or replaced.

#include <cstddef>
#include <string>

#include "TempFolder.h"
#include "TestRegistry.h"

namespace testing_support {

class AddinInstallation {
 public:
  AddinInstallation();

  // The add-in's data and engine library of the build: $IXO_BUILD_BIN/Ixo-2005/Lib/.
  static std::string BuiltDataFolder();
  // Whether the build holds them.
  static bool BuiltDataExists();

  std::string InstallDir() const { return temp_.File("install/"); }
  std::string VersionDir() const { return temp_.File("install/Ixo-2005/Lib/"); }
  TestRegistry& Registry() { return registry_; }

  // The file of the version folder becomes the built one cut to its first bytes.
  bool CutFile(const std::string& name, std::size_t bytes);
  bool RemoveFile(const std::string& name);
  // The engine library becomes a link to another library.
  bool UseLibrary(const std::string& path);

 private:
  TempFolder temp_;
  TestRegistry registry_;
};

}  // namespace testing_support
