#pragma once
// What a Linux desktop expects of an installed program, for an installation
// folder that scripts/run filled: the desktop entry in the menus' folder,
// the icon in the hicolor theme and the command "ixodesk" on the user's PATH.

#include <string>
#include <string_view>

namespace data {

struct DesktopFolders {
  std::string applications;  // of the desktop entry
  std::string icons;         // that holds the icon theme "hicolor"
  std::string commands;      // of the command "ixodesk"
};

// For an installation below /usr/local or /opt: /usr/local/share/applications,
// /usr/local/share/icons and /usr/local/bin; below the rest of /usr:
// /usr/share/applications, /usr/share/icons and /usr/bin; anywhere else the
// user's: "applications" and "icons" in the application-data folder
// ($XDG_DATA_HOME, ~/.local/share) and ~/.local/bin.
DesktopFolders DesktopFoldersFor(std::string_view installation);

// Writes the entry that starts the installation's "ixodesk.bin", copies the
// installation's icons ("icons/hicolor/...") into the icons folder and makes
// the command a symbolic link to the program, replacing what an earlier run
// left. False, with the reason in error, when something cannot be written or
// the command's name is taken by a file that is not a link.
bool InstallDesktopFiles(const std::string& installation, const DesktopFolders& folders, std::string& error);

}  // namespace data
