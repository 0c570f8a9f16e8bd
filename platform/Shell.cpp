#include "Shell.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include "Descriptor.h"
#include "Paths.h"
#include "PrintFormat.h"
#include "TextUtils.h"

extern char** environ;

namespace platform {
namespace {

// As much of a program's standard error as an error box shows: its end,
// where programs put their reason.
constexpr std::size_t kShownErrorBytes = 2000;
// Enough of a file to tell its format.
constexpr std::size_t kHeadBytes = 4096;

std::shared_ptr<ShellService>& InstalledService() {
  static std::shared_ptr<ShellService> service = std::make_shared<SystemShellService>();
  return service;
}

struct Command {
  std::string program;
  std::vector<std::string> arguments;
};

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

// Appends what can be read from fd without waiting; false once it reached the
// end or failed.
bool ReadAvailable(int fd, std::string& text) {
  char buffer[4096];
  for (;;) {
    const ssize_t read = ::read(fd, buffer, sizeof buffer);
    if (read > 0) {
      text.append(buffer, static_cast<std::size_t>(read));
      continue;
    }
    if (read < 0 && errno == EINTR) continue;
    return read < 0 && errno == EAGAIN;
  }
}

// Collects what the child writes to the pipe until the child ends, and waits
// for it. Only the child is waited for: a program it started in the
// background (a viewer that xdg-open starts) may hold the pipe open much
// longer. False, with errno set, when the child cannot be waited for.
bool CollectUntilEnded(pid_t child, int pipe, std::string& text, int& status) {
  fcntl(pipe, F_SETFL, fcntl(pipe, F_GETFL) | O_NONBLOCK);
  bool open = true;
  for (;;) {
    if (open) {
      pollfd readable{pipe, POLLIN, 0};
      if (poll(&readable, 1, 50) > 0) open = ReadAvailable(pipe, text);
    }
    const pid_t ended = waitpid(child, &status, open ? WNOHANG : 0);
    if (ended == child) break;
    if (ended < 0 && errno != EINTR) return false;
  }
  if (open) ReadAvailable(pipe, text);
  return true;
}

// What a program wrote to its standard error, without the blanks around it,
// on lines of its own after the summary.
std::string WithProgramsMessage(std::string summary, std::string message) {
  const std::size_t begin = message.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return summary;
  message.erase(message.find_last_not_of(" \t\r\n") + 1);
  message.erase(0, begin);
  if (message.size() > kShownErrorBytes) message = "..." + message.substr(message.size() - kShownErrorBytes);
  return summary + ":\n" + message;
}

// Runs the command (the program searched in PATH, no shell in between) with
// standard input from /dev/null and standard error collected, and waits for it.
ShellResult Run(Command command, std::string_view file) {
  const std::string name = "\"" + command.program + "\"";
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return {false, "cannot run " + name + ": " + std::strerror(errno)};
  Descriptor errorRead(ends[0]), errorWrite(ends[1]);

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(actions.Get(), errorWrite.Get(), STDERR_FILENO);
  std::vector<char*> argv{command.program.data()};
  for (std::string& argument : command.arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (const int error = posix_spawnp(&child, command.program.c_str(), actions.Get(), nullptr, argv.data(), environ);
      error != 0)
    return {false, "cannot run " + name + ": " + std::strerror(error)};
  errorWrite.Close();
  std::string message;
  int status = 0;
  if (!CollectUntilEnded(child, errorRead.Get(), message, status))
    return {false, "lost track of " + name + ": " + std::strerror(errno)};
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {true, {}};
  if (WIFEXITED(status))
    return {false, WithProgramsMessage(name + " failed for \"" + std::string(file) + "\" (exit status " +
                                           std::to_string(WEXITSTATUS(status)) + ")",
                                       std::move(message))};
  return {false, WithProgramsMessage(name + " was ended by signal " + std::to_string(WTERMSIG(status)),
                                     std::move(message))};
}

// Whether PATH holds the program as an executable file.
bool Installed(const std::string& program) {
  const char* path = std::getenv("PATH");
  for (const std::string& folder : FolderList(path ? path : "")) {
    const std::string candidate = JoinPath(folder.empty() ? "." : folder, program);
    struct stat info {};
    if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
      return true;
  }
  return false;
}

// The first bytes of the file; nothing, with errno set, when it cannot be read.
std::optional<std::string> HeadOf(const std::string& file) {
  Descriptor descriptor(open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (descriptor.Get() < 0) return std::nullopt;
  std::string head(kHeadBytes, '\0');
  std::size_t filled = 0;
  while (filled < head.size()) {
    const ssize_t read = ::read(descriptor.Get(), head.data() + filled, head.size() - filled);
    if (read == 0) break;
    if (read < 0 && errno != EINTR) return std::nullopt;
    if (read > 0) filled += static_cast<std::size_t>(read);
  }
  head.resize(filled);
  return head;
}

struct Planned {
  std::optional<Command> command;
  std::string error;  // why nothing can carry the verb out
};

// Text, PDF and PostScript go to the print system; word-processor documents
// to LibreOffice; a format no installed program prints is refused with what
// to install.
Planned PrintCommand(const std::string& file, std::string argument) {
  const std::optional<std::string> head = HeadOf(file);
  if (!head) return {std::nullopt, "cannot read \"" + file + "\": " + std::strerror(errno)};
  const PrintFormat format = DetectPrintFormat(*head);
  PrintProgram printer = PrintProgramFor(format);
  if (printer.program.empty())
    return {std::nullopt, "\"" + file +
                              "\" is in a format that cannot be printed; text, PDF, PostScript, RTF, "
                              "WordPerfect and Word documents can be."};
  const std::string formatName(PrintFormatName(format));
  if (!Installed(printer.program))
    return {std::nullopt, "No installed program can print " + formatName + " documents such as \"" + file +
                              "\" (\"" + printer.program + "\" was not found). Install " + printer.installHint +
                              " to print them."};
  printer.options.push_back(std::move(argument));
  return {Command{printer.program, std::move(printer.options)}, {}};
}

Planned CommandFor(std::string_view verb, std::string_view file) {
  // A name that begins with "-" would be taken for an option.
  std::string argument = file.starts_with('-') ? "./" + std::string(file) : std::string(file);
  if (SameText(verb, "open")) return {Command{"xdg-open", {std::move(argument)}}, {}};
  if (SameText(verb, "print")) return PrintCommand(std::string(file), std::move(argument));
  return {std::nullopt, "the shell knows no verb \"" + std::string(verb) + "\""};
}

}  // namespace

ShellResult SystemShellService::Execute(std::string_view verb, std::string_view file) {
  if (file.empty()) return {false, "no file was given"};
  Planned planned = CommandFor(verb, file);
  if (!planned.command) return {false, std::move(planned.error)};
  return Run(std::move(*planned.command), file);
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
