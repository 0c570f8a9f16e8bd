#pragma once
// The host program's command line.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wordhost {

struct HostOptions {
  std::string addinPath;   // empty: "ixoResource.wll" beside the program
  bool headless = false;   // no window: run, print the log and the document, exit
  std::string command;     // a registered command to run after auto-open
  std::deque<std::string> answers;  // scripted dialog answers, in order
  std::string savePath;    // where the headless host saves the document as RTF
  std::vector<std::pair<std::int32_t, std::int32_t>> failures;  // command number, status
  std::string openMenu;    // the menu the window pops up once the add-in is loaded
};

// Parses the arguments; none with the reason in error (a missing value, an
// unreadable answers file, a malformed --fail, an unknown option).
std::optional<HostOptions> ParseHostOptions(const std::vector<std::string>& arguments, std::string& error);

// The usage text for --help and for errors.
std::string HostUsage();

}  // namespace wordhost
