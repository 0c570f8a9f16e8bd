#include "AddinLibrary.h"

namespace wordhost {
namespace {

using AutoOpenEntry = std::int32_t(std::int32_t docRef);
using AutoRemoveEntry = std::int32_t();
using CommandEntry = void();

}  // namespace

std::optional<AddinLibrary> AddinLibrary::Load(const std::string& path, std::string& error) {
  // The loader looks a name without a folder up on the system's library path;
  // the host loads the file of that name in the working folder.
  const bool hasFolder = path.find('/') != std::string::npos;
  platform::SharedLibrary library = platform::SharedLibrary::Load(hasFolder || path.empty() ? path : "./" + path);
  if (!library.IsLoaded()) {
    error = "cannot load the add-in " + path + ": " + platform::SharedLibrary::LastError();
    return std::nullopt;
  }
  if (!library.Symbol("wdAutoOpen")) {
    error = path + " is not an add-in: it has no wdAutoOpen";
    return std::nullopt;
  }
  return AddinLibrary(std::move(library));
}

std::int32_t AddinLibrary::AutoOpen(std::int32_t docRef) const {
  return library_.Bind<AutoOpenEntry>("wdAutoOpen")(docRef);
}

std::int32_t AddinLibrary::AutoRemove() const {
  auto* entry = library_.Bind<AutoRemoveEntry>("wdAutoRemove");
  return entry ? entry() : 1;
}

bool AddinLibrary::HasCommand(std::string_view name) const {
  return library_.Symbol(std::string(name).c_str()) != nullptr;
}

bool AddinLibrary::RunCommand(std::string_view name) const {
  auto* entry = library_.Bind<CommandEntry>(std::string(name).c_str());
  if (!entry) return false;
  entry();
  return true;
}

}  // namespace wordhost
