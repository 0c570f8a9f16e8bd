#pragma once
// The folders that Windows names as shell folders, and the program's own folder.
// All are returned without a trailing separator, as the shell gives them.

#include <string>

namespace platform {

// $XDG_DATA_HOME, else ~/.local/share.
std::string ApplicationDataFolder();

// $HOME, else /tmp.
std::string HomeFolder();

// $XDG_CONFIG_HOME, else ~/.config.
std::string ConfigurationFolder();

// The XDG documents folder: $XDG_DOCUMENTS_DIR, the user-dirs file, else ~/Documents.
std::string PersonalDocumentsFolder();

// The full path of the running executable, and its folder.
std::string ProgramFile();
std::string ProgramFolder();

}  // namespace platform
