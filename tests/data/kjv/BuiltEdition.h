#pragma once
// Where the tests of the installed text find the edition the build wrote.

#include <string>

#include "core/IxoFormat.h"
#include "platform/Paths.h"

namespace data::kjv {

inline std::string BuiltEditionFolder() { return IXO_BUILT_EDITION; }

// True when the build wrote the three files; the tests of the edition skip otherwise.
inline bool BuiltEditionPresent() {
  for (const char* name : {ixo::TextFileName, ixo::LemmaFileName, ixo::EnglishFileName})
    if (!platform::FileExists(BuiltEditionFolder() + name)) return false;
  return true;
}

}  // namespace data::kjv
