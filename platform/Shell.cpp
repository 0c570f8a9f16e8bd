#include "Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "TextUtils.h"

extern char** environ;

namespace platform {
namespace {

std::shared_ptr<ShellService>& InstalledService() {
  static std::shared_ptr<ShellService> service = std::make_shared<SystemShellService>();
  return service;
}

// The program that carries out a verb; nullptr for a verb the shell does not know.
const char* ProgramFor(std::string_view verb) {
  if (SameText(verb, "open")) return "xdg-open";
  if (SameText(verb, "print")) return "lp";
  return nullptr;
}

// The file actions of a spawn, freed when they go out of scope.
class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* Get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// Runs program with the one argument (searched in PATH, no shell in between)
// and waits for it.
ShellResult Run(const char* program, std::string argument) {
  const std::string name = std::string("\"") + program + "\"";
  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  char* argv[] = {const_cast<char*>(program), argument.data(), nullptr};
  pid_t child = 0;
  if (const int error = posix_spawnp(&child, program, actions.Get(), nullptr, argv, environ); error != 0)
    return {false, "cannot run " + name + ": " + std::strerror(error)};
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return {false, "lost track of " + name + ": " + std::strerror(errno)};
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {true, {}};
  if (WIFEXITED(status))
    return {false, name + " failed for \"" + argument + "\" (exit status " +
                       std::to_string(WEXITSTATUS(status)) + ")"};
  return {false, name + " was ended by signal " + std::to_string(WTERMSIG(status))};
}

}  // namespace

ShellResult SystemShellService::Execute(std::string_view verb, std::string_view file) {
  const char* program = ProgramFor(verb);
  if (!program) return {false, "the shell knows no verb \"" + std::string(verb) + "\""};
  if (file.empty()) return {false, "no file was given"};
  // A name that begins with "-" would be taken for an option.
  std::string argument = file.starts_with('-') ? "./" + std::string(file) : std::string(file);
  return Run(program, std::move(argument));
}

ShellResult RecordingShellService::Execute(std::string_view verb, std::string_view file) {
  calls_.push_back(Call{std::string(verb), std::string(file)});
  return {failure_.empty(), failure_};
}

std::shared_ptr<ShellService> SetShellService(std::shared_ptr<ShellService> service) {
  if (!service) service = std::make_shared<SystemShellService>();
  return std::exchange(InstalledService(), std::move(service));
}

ShellResult ShellExecute(std::string_view verb, std::string_view file) {
  return InstalledService()->Execute(verb, file);
}

}  // namespace platform
