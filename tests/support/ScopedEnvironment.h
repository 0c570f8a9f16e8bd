#pragma once
// Sets (or, with nullptr, removes) an environment variable for the life of the
// guard, then puts back what was there.

#include <optional>
#include <string>

namespace testing_support {

class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  void Set(const char* value);

  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace testing_support
