#include "HelpTopics.h"

#include <ranges>

#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace desktop {
namespace {

constexpr char kHelpFolder[] = "Help/";

// A path below the folder it is read from: relative, and without a ".." part.
// The browsers take a page's path as it stands, up to a verse anchor at most,
// so what follows a "#" is part of the path too ("a#/../../b" leaves).
bool StaysInFolder(std::string_view link) {
  if (link.empty() || link.front() == platform::PathSeparator) return false;
  for (const auto part : std::views::split(link, platform::PathSeparator)) {
    if (std::string_view(part.begin(), part.end()) == "..") return false;
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
