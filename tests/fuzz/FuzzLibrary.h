#pragma once
// Libraries that the code under test loads and unloads at run time.

#include <dlfcn.h>

#include <string>

#include "FuzzCheck.h"

namespace fuzz {

// Keeps the library loaded for the life of the process, however often the
// code under test loads and unloads it: the fuzzer goes on reading the
// coverage counters of every library it has seen, so one that is unloaded
// would crash it.
// Returns the library's handle.
inline void* KeepLoaded(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NODELETE);
  FUZZ_CHECK(handle != nullptr);
  return handle;
}

}  // namespace fuzz
