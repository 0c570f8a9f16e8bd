#include "StandInPrograms.h"

#include <sys/stat.h>

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace testing_support {

// A run appends its arguments to "<program>.log", one a line, and an empty
// line after them (so no argument may be empty). PATH holds only the
// stand-ins, so the scripts name every other program by its path.
StandInPrograms::StandInPrograms(std::initializer_list<const char*> programs) : path_("PATH", folder_.Path().c_str()) {
  const std::string& folder = folder_.Path();
  for (const std::string program : programs) {
    const std::string base = "'" + folder + program;
    const std::string script = "#!/bin/sh\n"
                               "for argument in \"$@\"; do printf '%s\\n' \"$argument\" >> " + base + ".log'; done\n"
                               "printf '\\n' >> " + base + ".log'\n"
                               "[ -f " + base + ".stderr' ] && /bin/cat " + base + ".stderr' >&2\n"
                               "exit \"$(/bin/cat " + base + ".status' 2>/dev/null || echo 0)\"\n";
    if (!WriteFileBytes(folder_.File(program), script) || chmod(folder_.File(program).c_str(), 0755) != 0)
      throw std::runtime_error("cannot write the stand-in of " + program);
  }
}

void StandInPrograms::FailWith(const std::string& program, int status, const std::string& message) {
  if (!WriteFileBytes(folder_.File(program + ".status"), std::to_string(status)) ||
      !WriteFileBytes(folder_.File(program + ".stderr"), message))
    throw std::runtime_error("cannot set the failure of " + program);
}

void StandInPrograms::Remove(const std::string& program) { std::remove(folder_.File(program).c_str()); }

std::vector<std::vector<std::string>> StandInPrograms::Runs(const std::string& program) const {
  std::vector<std::vector<std::string>> runs;
  std::istringstream log(ReadFileBytes(folder_.File(program + ".log")));
  std::vector<std::string> run;
  for (std::string line; std::getline(log, line);) {
    if (!line.empty()) {
      run.push_back(line);
      continue;
    }
    runs.push_back(std::move(run));
    run.clear();
  }
  return runs;
}

}  // namespace testing_support
