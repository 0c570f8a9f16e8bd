#pragma once
// An add-in library loaded by path, with its entry points: the auto-open and
// auto-remove calls and the commands it exports by name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SharedLibrary.h"

namespace wordhost {

class AddinLibrary {
 public:
  // The loaded add-in, or none with the reason in error (a library that cannot
  // be loaded, or one without the auto-open entry point). A path without a
  // folder names a file of the working folder.
  static std::optional<AddinLibrary> Load(const std::string& path, std::string& error);

  std::int32_t AutoOpen(std::int32_t docRef) const;
  // 1 when the add-in has no auto-remove entry point.
  std::int32_t AutoRemove() const;

  bool HasCommand(std::string_view name) const;
  // Runs the exported command; false when the add-in exports none of that name.
  bool RunCommand(std::string_view name) const;

 private:
  explicit AddinLibrary(platform::SharedLibrary library) : library_(std::move(library)) {}
  platform::SharedLibrary library_;
};

}  // namespace wordhost
