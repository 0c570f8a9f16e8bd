#pragma once
// The outcome of building or reading a text: ok, or what went wrong and where.

#include <string>
#include <utility>

namespace data {

struct BuildResult {
  bool ok = true;
  std::string error;  // what and where, when not ok

  static BuildResult Failure(std::string error) { return BuildResult{false, std::move(error)}; }
};

}  // namespace data
