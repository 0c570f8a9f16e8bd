#include "TestInstallation.h"

#include <filesystem>

namespace testing_support {

TestInstallation::TestInstallation(const std::string& library, std::string edition)
    : edition_(edition.empty() ? temp_.File("edition/") : std::move(edition)) {
  std::filesystem::create_directories(InstallDir());
  std::filesystem::create_directories(HtmlDir());
  std::filesystem::copy_file(library, InstallDir() + "2011.ixocore");
  registry_.WriteInstallation(InstallDir(), edition_, "");
  registry_.WriteString(platform::RootKey::LocalMachine, ProductKey, "HTML", HtmlDir());
}

}  // namespace testing_support
