// The Help page: the topic tree built from the home folder's "help.tree" on
// the first visit, the page address of each topic, the label, and the home page.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <filesystem>

#include "DesktopFixture.h"
#include "TempFolder.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
using ui::TreeNode;
namespace fs = std::filesystem;

constexpr char kHelpTree[] =
    "[Help]\n"
    "#subicon=1\n"
    "Welcome=\n"
    "Reading=\n"
    "\n"
    "[Welcome]\n"
    "#link=intro.html\n"
    "#subicon=3\n"
    "First Steps=\n"
    "No Link=\n"
    "Empty Link=\n"
    "Outside=\n"
    "Absolute=\n"
    "Behind Hash=\n"
    "\n"
    "[First Steps]\n"
    "#link=steps/first.html#top\n"
    "\n"
    "[Empty Link]\n"
    "#link=\n"
    "\n"
    "[Outside]\n"
    "#link=../../names.tree\n"
    "\n"
    "[Absolute]\n"
    "#link=/etc/passwd\n"
    "\n"
    "[Behind Hash]\n"
    "#link=steps#/../../../names.tree\n"
    "\n"
    "[Reading]\n"
    "#icon=2\n"
    "#link=reading.html\n"
    "Psalms=\n"
    "\n"
    "[Psalms]\n"
    "#link=psalms.html\n";

// Prints a tree as "caption(image/selected)", "+" for an expanded node and
// the children in braces.
std::string Print(const TreeNode* node) {
  std::string out;
  for (; node; node = node->NextSibling()) {
    if (!out.empty()) out += ' ';
    out += node->Text().toStdString() + "(" + std::to_string(node->ImageIndex()) + "/" +
           std::to_string(node->SelectedIndex()) + ")";
    if (node->Expanded()) out += '+';
    if (node->HasChildren()) out += "{" + Print(node->FirstChild()) + "}";
  }
  return out;
}

class HelpPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Home());
    ASSERT_TRUE(testing_support::WriteFileBytes(Home() + "help.tree", kHelpTree));
  }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  std::string Home() const { return fixture.InstallDir() + "ixodesk/"; }
  QString Page(const std::string& link) const { return QString::fromStdString("file://" + Home() + "Help/" + link); }
  ui::RecordingBrowser& Browser() { return fixture.BrowserOfPage(6); }
  TreeNode* Node(const char* caption) { return Form().TreeHelp->FindByCaption(caption, Qt::CaseSensitive); }

  DesktopFixture fixture;
};

TEST_F(HelpPageTest, FirstVisitBuildsTheTreeAndShowsTheFirstTopic) {
  fixture.Run();
  TIxoBibleMainForm& form = Form();
  EXPECT_TRUE(form.TreeHelp->IsEmpty());
  form.HelpMenu->trigger();

  EXPECT_EQ(form.Mode->ActivePage(), form.PageHelp);
  EXPECT_EQ(Print(form.TreeHelp->FirstNode()),
            "Welcome(1/1)+{First Steps(3/3) No Link(3/3) Empty Link(3/3) Outside(3/3) Absolute(3/3) "
            "Behind Hash(3/3)} "
            "Reading(2/2)+{Psalms(-1/-1)}");
  // The first topic's first sub-topic, then the first topic itself.
  EXPECT_EQ(Browser().Addresses(), (QStringList{Page("steps/first.html#top"), Page("intro.html")}));
  EXPECT_EQ(form.TreeHelp->Selected(), Node("Welcome"));
  EXPECT_EQ(form.LabelBook->text(), "Ixo Bible Help");
  EXPECT_EQ(form.windowTitle(), " Ixo Bible - Ixo Bible Help");
  EXPECT_TRUE(form.TreeHelp->AutoExpand());
  EXPECT_EQ(form.FUrl, Page("intro.html").toStdString());
}

TEST_F(HelpPageTest, EachTopicShowsItsLinkedPageOrTheDefaultPage) {
  fixture.Run();
  TIxoBibleMainForm& form = Form();
  form.HelpMenu->trigger();
  struct Case {
    const char* topic;
    const char* page;
    const char* label;
  };
  const Case cases[] = {
      // A sub-topic is labelled with its topic, the tree's top node with the title.
      {"First Steps", "steps/first.html#top", "Ixo Bible Help"},
      {"No Link", "1.html", "Ixo Bible Help"},
      {"Empty Link", "1.html", "Ixo Bible Help"},
      // Links that would leave the help folder.
      {"Outside", "1.html", "Ixo Bible Help"},
      {"Absolute", "1.html", "Ixo Bible Help"},
      // The browser takes the path as it stands: a "#" starts no fragment.
      {"Behind Hash", "1.html", "Ixo Bible Help"},
      {"Psalms", "psalms.html", "Reading"},
      // A top topic below the top node is labelled with its own caption.
      {"Reading", "reading.html", "Reading"},
      {"Welcome", "intro.html", "Ixo Bible Help"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.topic);
    ASSERT_TRUE(form.TreeHelp->Select(Node(c.topic)));
    EXPECT_EQ(Browser().Address(), Page(c.page));
    EXPECT_EQ(form.LabelBook->text(), c.label);
  }
}

TEST_F(HelpPageTest, TreeFileThatCannotBeReadShowsTheDefaultPage) {
  fixture.Run();
  Form().HelpMenu->trigger();
  fs::remove(Home() + "help.tree");
  fs::create_directory(Home() + "help.tree");
  ASSERT_TRUE(Form().TreeHelp->Select(Node("Reading")));
  EXPECT_EQ(Browser().Address(), Page("1.html"));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(HelpPageTest, LaterVisitsKeepTheTreeTheSelectionAndThePage) {
  fixture.Run();
  TIxoBibleMainForm& form = Form();
  form.HelpMenu->trigger();
  ASSERT_TRUE(form.TreeHelp->Select(Node("Reading")));
  const QStringList shown = Browser().Addresses();
  const int nodes = form.TreeHelp->NodeCount();

  form.BibleMenu->trigger();
  form.HelpMenu->trigger();
  form.ModeChange();
  EXPECT_EQ(form.TreeHelp->NodeCount(), nodes);
  EXPECT_EQ(form.TreeHelp->Selected(), Node("Reading"));
  EXPECT_EQ(Browser().Addresses(), shown);
  EXPECT_EQ(form.FUrl, "");
}

TEST_F(HelpPageTest, MissingTreeFileGivesAnEmptyTreeAndNoPage) {
  fs::remove(Home() + "help.tree");
  fixture.Run();
  Form().HelpMenu->trigger();
  EXPECT_TRUE(Form().TreeHelp->IsEmpty());
  EXPECT_TRUE(Browser().Addresses().isEmpty());
  EXPECT_EQ(Form().windowTitle(), " Ixo Bible - Ixo Bible Help");
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

// 25 sections that each name the next twice would make 2^25 topics: the
// click on Help tells so at once and shows no part of the tree.
TEST_F(HelpPageTest, TreeFileBeyondTheLimitsIsReportedAtTheFirstVisit) {
  std::string tree = "[Help]\nT1=\nT1=\n";
  for (int i = 1; i < 25; ++i) {
    const std::string next = "T" + std::to_string(i + 1) + "=\n";
    tree += "[T" + std::to_string(i) + "]\n" + next + next;
  }
  ASSERT_TRUE(testing_support::WriteFileBytes(Home() + "help.tree", tree));
  fixture.Run();
  fixture.Dialogs().Clear();
  Form().HelpMenu->trigger();
  EXPECT_TRUE(Form().TreeHelp->IsEmpty());
  EXPECT_TRUE(Browser().Addresses().isEmpty());
  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].type, platform::DialogType::Error);
  EXPECT_NE(fixture.Dialogs().Shown()[0].text.find(Home() + "help.tree"), std::string::npos);
}

TEST_F(HelpPageTest, TreeWhoseFirstTopicHasNoSubTopicsShowsThatTopic) {
  ASSERT_TRUE(testing_support::WriteFileBytes(Home() + "help.tree", "[Help]\nAbout=\n[About]\n#link=about.html\n"));
  fixture.Run();
  Form().HelpMenu->trigger();
  EXPECT_EQ(Browser().Addresses(), QStringList{Page("about.html")});
}

TEST_F(HelpPageTest, HomePageIsShownAfterTheTreeIsBuilt) {
  fixture.Run();
  TIxoBibleMainForm& form = Form();
  form.IxoHomeDblClick(nullptr);
  EXPECT_EQ(form.Mode->ActivePage(), form.PageHelp);
  EXPECT_FALSE(form.TreeHelp->IsEmpty());
  EXPECT_EQ(Browser().Address(), QString::fromStdString(Home() + "Help/4/0.html"));
}

}  // namespace
}  // namespace desktop_testing
