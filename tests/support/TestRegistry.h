#pragma once
// A registry store of its own for a test or a benchmark: IXO_REGISTRY points at
// a fresh temporary folder for the life of the object, and the values an
// installation writes can be put into it.

#include <cstdint>
#include <string>
#include <string_view>

#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "platform/Registry.h"

namespace testing_support {

inline constexpr char ProductKey[] = "SOFTWARE\\Varnholt\\Ixo Bible";
inline constexpr char SdkKey[] = "SOFTWARE\\Varnholt\\Ixo SDK";

class TestRegistry {
 public:
  TestRegistry();

  // The folder of the hive files, with a trailing separator.
  const std::string& Folder() const { return folder_.Path(); }

  // The machine values that tell the engine where the installation is:
  // "Installation" (product key), "Edition" and "Library" (SDK key). Both keys
  // are created; an empty text leaves its value out.
  bool WriteInstallation(std::string_view installation, std::string_view edition,
                         std::string_view library);

  // One value, its key created when missing.
  bool WriteString(platform::RootKey root, std::string_view key, std::string_view name,
                   std::string_view value);
  bool WriteInteger(platform::RootKey root, std::string_view key, std::string_view name,
                    std::int32_t value);

 private:
  TempFolder folder_;
  ScopedEnvironment environment_;
};

}  // namespace testing_support
