#pragma once
// Runs desktop-file-validate on an entry.

#include <cstdlib>
#include <string>

namespace data {

// True when desktop-file-validate accepts the file (its findings go to the
// test's output).
inline bool DesktopFileValid(const std::string& file) {
  return std::system(("desktop-file-validate '" + file + "'").c_str()) == 0;
}

}  // namespace data
