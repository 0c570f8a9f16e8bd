#pragma once
// The properties a harness checks. A property that does not hold aborts the
// run with what failed and where, which the fuzzer and the smoke driver both
// count as a crash and keep the input of.

#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void PropertyFailed(const char* property, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
  std::abort();
}

}  // namespace fuzz

#define FUZZ_CHECK(property) \
  ((property) ? static_cast<void>(0) : ::fuzz::PropertyFailed(#property, __FILE__, __LINE__))
