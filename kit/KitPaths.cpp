#include "KitPaths.h"

#include "KitTextUtils.h"
#include "platform/ShellFolders.h"

namespace kit {

std::string ProgramFolder() { return AppendBackslash(platform::ProgramFolder()); }

std::string WindowsFolder() { return platform::ConfigurationFolder(); }

std::string SystemFolder() { return "/usr/lib"; }

std::string MakePathPrefix(TKitPathPrefix prefix, bool slash) {
  std::string folder;
  switch (prefix) {
    case TKitPathPrefix::ppWindows:
      folder = WindowsFolder();
      break;
    case TKitPathPrefix::ppSystem:
      folder = SystemFolder();
      break;
    case TKitPathPrefix::ppProgram:
      folder = ProgramFolder();
      break;
    case TKitPathPrefix::ppFixed:
      return {};
  }
  return slash ? AppendBackslash(folder) : StripBackslash(folder);
}

}  // namespace kit
