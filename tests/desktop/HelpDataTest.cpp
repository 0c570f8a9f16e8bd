// The installed help: "help.tree" and the pages of its "Help/" folder, as
// they lie in the source tree.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "TempFolder.h"
#include "desktop/HelpTopics.h"
#include "desktop/TreeViewTarget.h"
#include "engine/db.h"
#include "platform/IniFile.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

namespace fs = std::filesystem;

const std::string kHelpSource = IXO_HELP_SOURCE;  // the folder that holds help.tree and Help/
const std::string kPages = kHelpSource + "Help/";

// The topics below section, depth first, each with its parent's caption.
void CollectTopics(const platform::TIniFile& tree, const std::string& section,
                   std::vector<std::pair<std::string, std::string>>& topics) {
  for (const std::string& key : tree.ReadSection(section)) {
    if (key.starts_with('#')) continue;
    topics.emplace_back(key, section);
    CollectTopics(tree, key, topics);
  }
}

TEST(HelpData, EveryTopicLinksAPageOfTheHelpFolderOnce) {
  const platform::TIniFile tree(kHelpSource + "help.tree");
  std::vector<std::pair<std::string, std::string>> topics;
  CollectTopics(tree, "Help", topics);
  ASSERT_GT(topics.size(), 20u);

  std::set<std::string> captions;
  std::set<std::string> links;
  for (const auto& [topic, parent] : topics) {
    SCOPED_TRACE(topic);
    EXPECT_TRUE(captions.insert(topic).second) << "listed twice";
    ASSERT_TRUE(tree.ValueExists(topic, "#link")) << "under " << parent;
    const std::string link = tree.ReadString(topic, "#link", "");
    EXPECT_EQ(desktop::HelpTopicLink(tree, topic), link) << "a link the Help page does not take";
    EXPECT_TRUE(fs::is_regular_file(kPages + link.substr(0, link.find('#')))) << link;
    EXPECT_TRUE(links.insert(link).second) << link << " linked twice";
  }
  // Every section of the file is a topic of the tree.
  for (const std::string& section : tree.ReadSections()) {
    if (section == "Help") continue;
    EXPECT_TRUE(captions.contains(section)) << section;
  }
}

TEST(HelpData, TreeBuildsWithAFirstTopicThatHoldsSubTopics) {
  engine::TDB reader;
  reader.Open(kHelpSource + "help.tree");
  ui::TreeView view;
  desktop::TreeViewTarget target(view);
  EXPECT_GT(reader.BuildTree("Help", target, nullptr, true), 0);
  ASSERT_NE(view.FirstNode(), nullptr);
  EXPECT_NE(view.FirstNode()->FirstChild(), nullptr);
  EXPECT_TRUE(view.FirstNode()->Expanded());
}

TEST(HelpData, PagesTheProgramNamesAreThere) {
  for (const char* page : {"gospel.html", "Blank.html", "1.html", "4/0.html"})
    EXPECT_TRUE(fs::is_regular_file(kPages + page)) << page;
}

// Plain 8-bit ASCII with line feeds, whole pages, and every link and style
// sheet they name is a file of the help folder.
TEST(HelpData, PagesAreWholeAsciiPagesWhoseLinksResolve) {
  const std::regex reference(R"((?:href|src)=\"([^\"]*)\")");
  int pages = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kPages)) {
    if (!entry.is_regular_file()) continue;
    const std::string path = entry.path().string();
    SCOPED_TRACE(path);
    const std::string text = testing_support::ReadFileBytes(path);
    for (const char c : text) {
      ASSERT_TRUE(c == '\n' || c == '\t' || (c >= ' ' && c < 127)) << "byte " << static_cast<int>(c);
    }
    if (entry.path().extension() != ".html") continue;
    ++pages;
    EXPECT_TRUE(text.starts_with("<html>\n<title>\n")) << text.substr(0, 40);
    EXPECT_TRUE(text.ends_with("</body>\n</html>\n"));
    for (auto match = std::sregex_iterator(text.begin(), text.end(), reference); match != std::sregex_iterator();
         ++match) {
      const std::string target = (*match)[1].str();
      const std::string file = target.substr(0, target.find('#'));
      ASSERT_FALSE(file.empty() || file.find(':') != std::string::npos || file.starts_with('/')) << target;
      const fs::path resolved = fs::weakly_canonical(entry.path().parent_path() / file);
      EXPECT_TRUE(fs::is_regular_file(resolved)) << target;
      EXPECT_TRUE(resolved.string().starts_with(fs::weakly_canonical(kPages).string())) << target;
    }
  }
  EXPECT_GT(pages, 20);
}

}  // namespace
}  // namespace desktop_testing
