#pragma once
// An installation for engine tests and benchmarks in a fresh temporary folder:
// a copy of the data-file library in "install/" (its state is process-wide,
// and a distinct file is a distinct library to the loader), an HTML folder
// "html/" for the status file, and the machine values "Installation",
// "Edition" and "HTML" in a registry store of its own. "Library" is left out,
// so the engine finds the library in the installation folder.

#include <string>
#include <string_view>

#include "TempFolder.h"
#include "TestRegistry.h"

namespace testing_support {

class TestInstallation {
 public:
  // library: the built data-file library; edition: the edition folder, with
  // a trailing separator (empty for "edition/" inside this installation).
  TestInstallation(const std::string& library, std::string edition = {});

  std::string InstallDir() const { return temp_.File("install/"); }
  std::string HtmlDir() const { return temp_.File("html/"); }
  const std::string& EditionDir() const { return edition_; }
  TestRegistry& Registry() { return registry_; }

 private:
  TempFolder temp_;
  TestRegistry registry_;
  std::string edition_;
};

}  // namespace testing_support
