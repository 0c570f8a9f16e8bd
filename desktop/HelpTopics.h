#pragma once
// Where the Help page finds its topics and pages: the tree file "help.tree"
// in the program's home folder, whose sections are the topics, and the pages
// in the home folder's "Help/" folder that the topics name by their "#link".

#include <string>
#include <string_view>

namespace platform {
class TIniFile;
}

namespace desktop {

// The page a topic without a link of its own shows.
inline constexpr char kDefaultHelpPage[] = "1.html";
// The section of "help.tree" whose keys are the top topics.
inline constexpr char kHelpTreeRoot[] = "Help";

// homeDir + "help.tree".
std::string HelpTreeFile(std::string_view homeDir);

// The "#link" of the topic's section: a page relative to the "Help/" folder.
// "1.html" when the section has no link or an empty one, when the file cannot
// be read, and for a link that would leave the folder (an absolute path, or
// one with a ".." part anywhere, after a "#" too).
std::string HelpTopicLink(const platform::TIniFile& tree, std::string_view topic);

// homeDir + "Help/" + link, as a plain path.
std::string HelpPageFile(std::string_view homeDir, std::string_view link);
// "file://" + HelpPageFile.
std::string HelpPageAddress(std::string_view homeDir, std::string_view link);

// The help home page, homeDir + "Help/4/0.html", as a plain path.
std::string HelpHomePage(std::string_view homeDir);

}  // namespace desktop
