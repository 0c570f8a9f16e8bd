#include "HelpTopics.h"

#include <algorithm>
#include <cstddef>

#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace desktop {
namespace {

constexpr char kHelpFolder[] = "Help/";

// A path below the folder it is read from: relative, and without a ".." part.
// The browsers take a page's path as it stands, up to a verse anchor at most,
// so what follows a "#" is part of the path too ("a#/../../b" leaves).
// The parts are found by hand: clang's fuzzer build cannot compile the
// standard library's split view of this GCC.
bool StaysInFolder(std::string_view link) {
  if (link.empty() || link.front() == platform::PathSeparator) return false;
  for (std::size_t start = 0; start <= link.size();) {
    const std::size_t end = std::min(link.find(platform::PathSeparator, start), link.size());
    if (link.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

std::string HelpTreeFile(std::string_view homeDir) { return std::string(homeDir) + "help.tree"; }

std::string HelpTopicLink(const platform::TIniFile& tree, std::string_view topic) {
  std::string link = tree.ReadString(topic, "#link", kDefaultHelpPage);
  return StaysInFolder(link) ? link : kDefaultHelpPage;
}

std::string HelpPageFile(std::string_view homeDir, std::string_view link) {
  return std::string(homeDir) + kHelpFolder + std::string(link);
}

std::string HelpPageAddress(std::string_view homeDir, std::string_view link) {
  return platform::FileAddress(HelpPageFile(homeDir, link));
}

std::string HelpHomePage(std::string_view homeDir) { return HelpPageFile(homeDir, "4/0.html"); }

}  // namespace desktop
