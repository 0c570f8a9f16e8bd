#include "KitMessages.h"

#include <map>
#include <mutex>
#include <string>

#include "KitErrors.h"

namespace kit {

std::uint32_t RegisterWindowMessage(std::string_view name) {
  static std::mutex mutex;
  static std::map<std::string, std::uint32_t, std::less<>> registered;
  std::lock_guard lock(mutex);
  if (auto found = registered.find(name); found != registered.end()) return found->second;
  const auto number = static_cast<std::uint32_t>(0xC000 + registered.size());
  if (number > 0xFFFF) throw EOutOfResources("No window message left for " + std::string(name));
  registered.emplace(std::string(name), number);
  return number;
}

}  // namespace kit
