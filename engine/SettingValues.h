#pragma once
// The values of the registry store as both engines read their settings.

#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace engine {

// A string value that exists with data, else empty.
std::string ReadText(const platform::TRegistry& key, std::string_view name);
// The same as a folder: with one trailing separator when not empty.
std::string ReadFolder(const platform::TRegistry& key, std::string_view name);

}  // namespace engine
