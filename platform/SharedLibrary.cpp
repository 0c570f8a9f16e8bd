#include "SharedLibrary.h"

#include <dlfcn.h>

#include "Paths.h"
#include "ShellFolders.h"

namespace platform {

void SharedLibrary::Closer::operator()(void* handle) const {
  if (handle) dlclose(handle);
}

SharedLibrary SharedLibrary::Load(const std::string& path) {
  SharedLibrary library;
  if (path.empty()) return library;
  // A bare name is looked for in the program's own folder first.
  if (path.find('/') == std::string::npos) {
    const std::string beside = JoinPath(ProgramFolder(), path);
    if (FileExists(beside)) library.handle_.reset(dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (library.IsLoaded()) return library;
  }
  library.handle_.reset(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  return library;
}

SharedLibrary SharedLibrary::Program() {
  SharedLibrary program;
  program.handle_.reset(dlopen(nullptr, RTLD_NOW));
  return program;
}

void* SharedLibrary::Symbol(const char* name) const {
  return handle_ ? dlsym(handle_.get(), name) : nullptr;
}

std::string SharedLibrary::LastError() {
  const char* error = dlerror();
  return error ? std::string(error) : std::string();
}

}  // namespace platform
