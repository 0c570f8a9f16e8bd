#include "data/desktop/DesktopIntegration.h"

#include <filesystem>

#include "data/desktop/DesktopEntry.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"
#include "platform/WholeFile.h"

namespace data {
namespace {

namespace fs = std::filesystem;

constexpr char kCommandName[] = "ixodesk";
constexpr char kProgramFileName[] = "ixodesk.bin";

bool Below(std::string_view path, std::string_view folder) { return path.starts_with(folder); }

DesktopFolders SystemFolders(const std::string& prefix) {
  return {prefix + "/share/applications", prefix + "/share/icons", prefix + "/bin"};
}

bool CopyIcons(const std::string& installation, const std::string& icons, std::string& error) {
  const fs::path theme = fs::path(installation) / "icons" / "hicolor";
  std::error_code failure;
  if (!fs::is_directory(theme, failure)) {
    error = "the installation holds no icons in " + theme.string();
    return false;
  }
  int copied = 0;
  for (fs::recursive_directory_iterator file(theme, failure), end; !failure && file != end; file.increment(failure)) {
    if (!file->is_regular_file()) continue;
    const fs::path target = fs::path(icons) / "hicolor" / fs::relative(file->path(), theme);
    if (!fs::create_directories(target.parent_path(), failure) && failure) break;
    if (!fs::copy_file(file->path(), target, fs::copy_options::overwrite_existing, failure)) break;
    ++copied;
  }
  if (failure) {
    error = "cannot copy the icons of " + theme.string() + " into " + icons + ": " + failure.message();
    return false;
  }
  if (copied == 0) {
    error = "the installation holds no icons in " + theme.string();
    return false;
  }
  return true;
}

bool LinkCommand(const std::string& program, const std::string& commands, std::string& error) {
  const fs::path command = fs::path(commands) / kCommandName;
  std::error_code failure;
  const fs::file_status status = fs::symlink_status(command, failure);
  if (fs::exists(status) && !fs::is_symlink(status)) {
    error = command.string() + " exists and is not a link to the program; it is left as it is";
    return false;
  }
  fs::create_directories(commands, failure);
  // A new link beside the command, renamed over it, so an earlier one is
  // replaced in one step.
  const fs::path fresh = command.string() + ".new";
  fs::remove(fresh, failure);
  fs::create_symlink(program, fresh, failure);
  if (!failure) fs::rename(fresh, command, failure);
  if (failure) {
    error = "cannot make the command " + command.string() + ": " + failure.message();
    fs::remove(fresh, failure);
    return false;
  }
  return true;
}

}  // namespace

DesktopFolders DesktopFoldersFor(std::string_view installation) {
  if (Below(installation, "/usr/local/") || Below(installation, "/opt/")) return SystemFolders("/usr/local");
  if (Below(installation, "/usr/")) return SystemFolders("/usr");
  const std::string data = platform::ApplicationDataFolder();
  return {platform::JoinPath(data, "applications"), platform::JoinPath(data, "icons"),
          platform::JoinPath(platform::HomeFolder(), ".local/bin")};
}

bool InstallDesktopFiles(const std::string& installation, const DesktopFolders& folders, std::string& error) {
  const std::string program = platform::JoinPath(installation, kProgramFileName);
  const std::optional<std::string> entry = DesktopEntry(program);
  if (!entry) {
    error = "a desktop entry cannot name the program " + program;
    return false;
  }
  const std::string entryFile = platform::JoinPath(folders.applications, DesktopEntryFileName);
  if (!platform::ReplaceFileCreatingFolder(entryFile, *entry)) {
    error = "cannot write the desktop entry " + entryFile;
    return false;
  }
  return CopyIcons(installation, folders.icons, error) && LinkCommand(program, folders.commands, error);
}

}  // namespace data
