#include "data/install/InstallationValues.h"

#include "platform/Paths.h"
#include "platform/Registry.h"

namespace data {
namespace {

bool WriteValue(std::string_view key, std::string_view name, const std::string& value, std::string& error) {
  platform::TRegistry registry(platform::RootKey::LocalMachine);
  if (registry.OpenKey(key, true) && registry.WriteString(name, value)) return true;
  error = "cannot write \"" + std::string(name) + "\" under HKEY_LOCAL_MACHINE\\" + std::string(key) + " in " +
          platform::RegistryFolder();
  return false;
}

}  // namespace

bool WriteInstallationValues(const InstallationPaths& paths, std::string& error) {
  return WriteValue(ProductKey, "Installation", platform::IncludeTrailingSeparator(paths.installation), error) &&
         WriteValue(SdkKey, "Edition", platform::IncludeTrailingSeparator(paths.edition), error) &&
         WriteValue(SdkKey, "Library", paths.library, error);
}

bool WriteAddinInstallationValues(const std::string& installation, const std::string& engineLibrary,
                                  std::string& error) {
  const std::string folder = platform::IncludeTrailingSeparator(installation);
  const std::string version = folder + "Ixo-2005/Lib/";
  const std::string engine = engineLibrary.empty() ? version + "Ixo2005.kjv" : engineLibrary;
  return WriteValue(AddinKey, "Installation", folder, error) && WriteValue(AddinKey, "Version", version, error) &&
         WriteValue(AddinKey, "Interface", engine, error) &&
         WriteValue(AddinKey, "2005", folder + "Ixo-2005/", error) &&
         WriteValue(AddinKey, "2007", folder + "Ixo-2007/", error);
}

}  // namespace data
