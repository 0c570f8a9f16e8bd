#include "HostOptions.h"

#include <charconv>
#include <string_view>

#include "platform/WholeFile.h"

namespace wordhost {
namespace {

bool ParseInt(std::string_view text, std::int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, fault] = std::from_chars(text.data(), end, value);
  return fault == std::errc() && stop == end && !text.empty();
}

// "ID=STATUS"
bool ParseFailure(std::string_view text, std::pair<std::int32_t, std::int32_t>& failure) {
  const std::size_t equals = text.find('=');
  return equals != std::string_view::npos && ParseInt(text.substr(0, equals), failure.first) &&
         ParseInt(text.substr(equals + 1), failure.second);
}

// One answer a line; a carriage return before the line feed and blank lines are dropped.
bool ReadAnswers(const std::string& path, std::deque<std::string>& answers) {
  const platform::WholeFile file = platform::ReadWholeFile(path);
  if (file.status != platform::WholeFile::Status::Read) return false;
  std::string_view rest = file.bytes;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) answers.emplace_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return true;
}

}  // namespace

std::string HostUsage() {
  return "usage: wordhost [options] [add-in]\n"
         "  add-in                the add-in library (default: ixoResource.wll beside wordhost)\n"
         "  --headless            no window: load the add-in, run its auto-open, the command if\n"
         "                        given, print the log and the document, and exit\n"
         "  --run COMMAND         run a command the add-in registered, after its auto-open\n"
         "  --answer ANSWER       a scripted dialog answer (repeatable): NAME=TEXT types into\n"
         "                        a form's field, NAME clicks a form's or a message box's button\n"
         "  --answers FILE        scripted dialog answers, one a line\n"
         "  --save FILE.rtf       save the document as RTF before a headless host exits\n"
         "  --fail ID=STATUS      answer every command number ID with STATUS (repeatable)\n"
         "  --open-menu NAME      pop up this menu of the window once the add-in is loaded\n";
}

std::optional<HostOptions> ParseHostOptions(const std::vector<std::string>& arguments, std::string& error) {
  HostOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool takesValue = argument == "--run" || argument == "--answer" || argument == "--answers" ||
                            argument == "--save" || argument == "--fail" || argument == "--open-menu";
    if (takesValue && i + 1 >= arguments.size()) {
      error = argument + " needs a value";
      return std::nullopt;
    }
    if (argument == "--headless") {
      options.headless = true;
    } else if (argument == "--run") {
      options.command = arguments[++i];
    } else if (argument == "--answer") {
      options.answers.push_back(arguments[++i]);
    } else if (argument == "--answers") {
      if (!ReadAnswers(arguments[++i], options.answers)) {
        error = "cannot read the answers file " + arguments[i];
        return std::nullopt;
      }
    } else if (argument == "--save") {
      options.savePath = arguments[++i];
    } else if (argument == "--fail") {
      std::pair<std::int32_t, std::int32_t> failure;
      if (!ParseFailure(arguments[++i], failure)) {
        error = "--fail wants ID=STATUS, not " + arguments[i];
        return std::nullopt;
      }
      options.failures.push_back(failure);
    } else if (argument == "--open-menu") {
      options.openMenu = arguments[++i];
    } else if (argument.starts_with("--") || !options.addinPath.empty()) {
      error = "unknown argument " + argument;
      return std::nullopt;
    } else {
      options.addinPath = argument;
    }
  }
  return options;
}

}  // namespace wordhost
