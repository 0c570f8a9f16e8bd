#include "TestRegistry.h"

namespace testing_support {

TestRegistry::TestRegistry() : environment_("IXO_REGISTRY", folder_.Path().c_str()) {}

bool TestRegistry::WriteInstallation(std::string_view installation, std::string_view edition,
                                     std::string_view library) {
  platform::TRegistry product(platform::RootKey::LocalMachine);
  platform::TRegistry sdk(platform::RootKey::LocalMachine);
  if (!product.OpenKey(ProductKey, true) || !sdk.OpenKey(SdkKey, true)) return false;
  bool written = true;
  if (!installation.empty()) written &= product.WriteString("Installation", installation);
  if (!edition.empty()) written &= sdk.WriteString("Edition", edition);
  if (!library.empty()) written &= sdk.WriteString("Library", library);
  return written;
}

bool TestRegistry::WriteString(platform::RootKey root, std::string_view key, std::string_view name,
                               std::string_view value) {
  platform::TRegistry registry(root);
  return registry.OpenKey(key, true) && registry.WriteString(name, value);
}

bool TestRegistry::WriteInteger(platform::RootKey root, std::string_view key, std::string_view name,
                                std::int32_t value) {
  platform::TRegistry registry(root);
  return registry.OpenKey(key, true) && registry.WriteInteger(name, value);
}

}  // namespace testing_support
