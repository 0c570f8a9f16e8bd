// ixodesktop INSTALLATION
//   Puts the installation into the desktop's menus: its desktop entry, its
//   icon and the command "ixodesk" (see DesktopIntegration.h for where).
// ixodesktop --entry FILE PROGRAM
//   Writes only the desktop entry that starts PROGRAM into FILE.

#include <filesystem>
#include <iostream>
#include <string_view>

#include "data/desktop/DesktopEntry.h"
#include "data/desktop/DesktopIntegration.h"
#include "platform/WholeFile.h"

namespace {

int Fail(const std::string& reason) {
  std::cerr << "ixodesktop: " << reason << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--entry") {
    const std::optional<std::string> entry = data::DesktopEntry(argv[3]);
    if (!entry) return Fail("a desktop entry cannot name the program " + std::string(argv[3]));
    if (!platform::ReplaceFileCreatingFolder(argv[2], *entry)) return Fail("cannot write " + std::string(argv[2]));
    return 0;
  }
  if (argc != 2 || std::string_view(argv[1]).starts_with('-')) {
    std::cerr << "usage: ixodesktop INSTALLATION-FOLDER\n       ixodesktop --entry FILE PROGRAM\n";
    return 2;
  }
  const std::string installation = std::filesystem::absolute(argv[1]).lexically_normal().string();
  const data::DesktopFolders folders = data::DesktopFoldersFor(installation);
  std::string error;
  if (!data::InstallDesktopFiles(installation, folders, error)) return Fail(error);
  std::cout << "Desktop entry in " << folders.applications << "/, icons in " << folders.icons
            << "/hicolor/, command ixodesk in " << folders.commands << "/\n";
  return 0;
}
