#pragma once
// Shell verbs on files: "open" runs xdg-open; "print" sends text, PDF and
// PostScript to lp and word-processor documents (RTF, WordPerfect, Word) to
// LibreOffice's headless printing (soffice --headless -p), telling the format
// by the file's first bytes. Failures come back to the caller, which reports
// them, with what the program wrote to its standard error; a format that no
// installed program prints is a failure that names the format and what to
// install. Replaceable for tests.
//
// The program is started directly (found in PATH, the file as its last
// argument, no shell in between, standard input from /dev/null) and waited
// for; a program that cannot be started, or that ends with a non-zero status
// or by a signal, is a failure. A file name that begins with "-" is passed as
// "./" and the name, so that it is not taken for an option.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ShellResult {
  bool ok = false;
  std::string error;  // what went wrong, empty on success
};

class ShellService {
 public:
  virtual ~ShellService() = default;
  // verb is compared without regard to case ("open", "OPEN", "print").
  virtual ShellResult Execute(std::string_view verb, std::string_view file) = 0;
};

// Runs the system's programs for the verbs; an unknown verb and an empty file
// name fail without running anything.
class SystemShellService final : public ShellService {
 public:
  ShellResult Execute(std::string_view verb, std::string_view file) override;
};

// Records every request and answers with success (or the failure set for it).
class RecordingShellService final : public ShellService {
 public:
  struct Call {
    std::string verb;
    std::string file;
  };
  ShellResult Execute(std::string_view verb, std::string_view file) override;
  void FailWith(std::string error) { failure_ = std::move(error); }
  const std::vector<Call>& Calls() const { return calls_; }

 private:
  std::vector<Call> calls_;
  std::string failure_;
};

// Installs a service for the process and returns the one it replaces.
// A null service restores the system service.
std::shared_ptr<ShellService> SetShellService(std::shared_ptr<ShellService> service);
// Carries out the verb through the installed service.
ShellResult ShellExecute(std::string_view verb, std::string_view file);

// Installs a service for the life of the guard, then puts back the previous one.

class ScopedShellService {
 public:
  explicit ScopedShellService(std::shared_ptr<ShellService> service)
      : previous_(SetShellService(std::move(service))) {}
  ~ScopedShellService() { SetShellService(std::move(previous_)); }
  ScopedShellService(const ScopedShellService&) = delete;
  ScopedShellService& operator=(const ScopedShellService&) = delete;

 private:
  std::shared_ptr<ShellService> previous_;
};

}  // namespace platform
