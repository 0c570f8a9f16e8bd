#pragma once
// Shell verbs on files: "open" runs xdg-open, "print" runs lp.
// Failures come back to the caller, which reports them. Replaceable for tests.

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

// Runs the system's programs for the verbs; an unknown verb fails.
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

std::shared_ptr<ShellService> SetShellService(std::shared_ptr<ShellService> service);
ShellResult ShellExecute(std::string_view verb, std::string_view file);

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
