#include "HelpManual.h"

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Shell.h"

namespace search {
namespace {

void Open(const std::string& target) {
  const platform::ShellResult result = platform::ShellExecute("OPEN", target);
  if (!result.ok)
    platform::MessageDlg("The manual " + target + " could not be opened: " + result.error,
                         platform::DialogType::Warning);
}

}  // namespace

std::string CompleteInstallationText() {
  return std::string("A complete installation of the Ixo bible is available on the web at ") + WebAddress;
}

void OpenManual(std::string_view installDir) {
  const std::string path = platform::JoinPath(installDir, ManualFileName);
  if (platform::FileExists(path)) {
    Open(path);
    return;
  }
  // Every installation holds the manual: without it the installation is damaged.
  const std::string webCopy = std::string(WebAddress) + ManualWebPath;
  platform::MessageDlg("The manual " + path +
                           " is missing, so the installation is incomplete; installing the program again puts it "
                           "back. Its copy on the web is opened instead: " + webCopy,
                       platform::DialogType::Information);
  Open(webCopy);
}

}  // namespace search
