#include "SettingValues.h"

#include "platform/Paths.h"

namespace engine {

std::string ReadText(const platform::TRegistry& key, std::string_view name) {
  return key.ReadString(name).value_or(std::string());
}

std::string ReadFolder(const platform::TRegistry& key, std::string_view name) {
  return platform::IncludeTrailingSeparator(ReadText(key, name));
}

}  // namespace engine
