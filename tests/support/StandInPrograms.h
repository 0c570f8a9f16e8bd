#pragma once
// Recording stand-ins for the programs the shell runs (xdg-open, lp,
// soffice), alone on PATH for the life of the object. Each run of a stand-in
// is recorded with its arguments; it writes the message set for it to
// standard error and ends with the status set for it (0 unless set).

#include <initializer_list>
#include <string>
#include <vector>

#include "ScopedEnvironment.h"
#include "TempFolder.h"

namespace testing_support {

class StandInPrograms {
 public:
  explicit StandInPrograms(std::initializer_list<const char*> programs);

  void FailWith(const std::string& program, int status, const std::string& message);
  // The program is no longer on PATH.
  void Remove(const std::string& program);
  // The arguments of each run, in order.
  std::vector<std::vector<std::string>> Runs(const std::string& program) const;

 private:
  TempFolder folder_;
  ScopedEnvironment path_;
};

}  // namespace testing_support
