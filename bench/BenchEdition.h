#pragma once
// Where the benchmarks find the text: the folder in IXO_EDITION when it is set,
// else the edition the build wrote.

#include <string>

namespace bench {

// The edition folder with a trailing separator.
std::string EditionFolder();

// True when the three text files are in the edition folder.
bool EditionPresent();

}  // namespace bench
