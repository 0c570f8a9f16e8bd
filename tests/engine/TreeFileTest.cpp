// Tree files: sections as nodes, keys as children, the directives, cycles.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "RecordingTree.h"
#include "TempFolder.h"
#include "engine/db.h"
#include "platform/Dialogs.h"

namespace engine {
namespace {

using engine_testing::RecordingTree;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

// Builds the tree of section "Help" from a tree file with these lines (CR LF added).
std::string BuildHelp(const std::vector<std::string>& lines, bool expanding = false, int* added = nullptr) {
  TempFolder temp;
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  EXPECT_TRUE(WriteFileBytes(temp.File("help.tree"), text));
  TDB db;
  db.Open(temp.File("help.tree"));
  RecordingTree tree;
  const int count = db.BuildTree("Help", tree, nullptr, expanding);
  if (added) *added = count;
  return tree.Print();
}

TEST(TreeFile, DirectivesAffectOnlyTheChildrenAfterThem) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    const char* tree;
  };
  const Case cases[] = {
      {"no directives", {"[Help]", "One=", "Two="}, "One(-1/-1) Two(-1/-1)"},
      {"subicon after the first child",
       {"[Help]", "One=", "#subicon=5", "Two=", "Three="},
       "One(-1/-1) Two(5/5) Three(5/5)"},
      {"indexing before the children",
       {"[Help]", "#subicon=5", "#indexing=1", "One=", "Two=", "Three="},
       "One(0/0) Two(1/1) Three(2/2)"},
      {"indexing counts the children before it", {"[Help]", "One=", "#indexing=1", "Two="}, "One(-1/-1) Two(1/1)"},
      {"a value that is no integer counts as 0", {"[Help]", "#subicon=five", "One="}, "One(0/0)"},
      {"icon of a child's own section",
       {"[Help]", "One=", "[One]", "#icon=3", "Sub="},
       "One(3/3){Sub(-1/-1)}"},
      {"icon of the top section has no node to go to", {"[Help]", "#icon=3", "One="}, "One(-1/-1)"},
      {"other directives and the link add nothing",
       {"[Help]", "#link=intro.html", "#colour=2", "One="},
       "One(-1/-1)"},
      {"directive names without regard to case", {"[Help]", "#SubIcon=4", "One="}, "One(4/4)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BuildHelp(c.lines), c.tree);
  }
}

TEST(TreeFile, ReturnsTheChildrenAddedUnderTheParentOnly) {
  int added = 0;
  EXPECT_EQ(BuildHelp({"[Help]", "One=", "Two=", "[One]", "A=", "B=", "C="}, false, &added),
            "One(-1/-1){A(-1/-1) B(-1/-1) C(-1/-1)} Two(-1/-1)");
  EXPECT_EQ(added, 2);
}

TEST(TreeFile, ExpandingShowsTheChildrenOfNodesThatHaveThem) {
  const std::vector<std::string> lines = {"[Help]", "One=", "Two=", "[One]", "A=", "[A]", "Deep="};
  EXPECT_EQ(BuildHelp(lines, true), "One(-1/-1)+{A(-1/-1){Deep(-1/-1)}} Two(-1/-1)");
  EXPECT_EQ(BuildHelp(lines, false), "One(-1/-1){A(-1/-1){Deep(-1/-1)}} Two(-1/-1)");

  // "#expanding" in a section expands its children's children that have children.
  const std::vector<std::string> directive = {"[Help]", "#expanding=1", "One=", "[One]", "A=", "[A]", "Deep="};
  EXPECT_EQ(BuildHelp(directive, false), "One(-1/-1){A(-1/-1)+{Deep(-1/-1)}}");
}

TEST(TreeFile, SectionsThatFormACycleStopAtTheRepeatedSection) {
  EXPECT_EQ(BuildHelp({"[Help]", "One=", "[One]", "Two=", "[Two]", "one=", "Three=", "[Three]", "Help="}),
            "One(-1/-1){Two(-1/-1){one(-1/-1) Three(-1/-1){Help(-1/-1)}}}");
  EXPECT_EQ(BuildHelp({"[Help]", "Help="}), "Help(-1/-1)");
}

TEST(TreeFile, SameCaptionOnAnotherBranchIsNoCycle) {
  EXPECT_EQ(BuildHelp({"[Help]", "One=", "Two=", "[One]", "Shared=", "[Two]", "Shared=", "[Shared]", "Leaf="}),
            "One(-1/-1){Shared(-1/-1){Leaf(-1/-1)}} Two(-1/-1){Shared(-1/-1){Leaf(-1/-1)}}");
}

TEST(TreeFile, MissingFileOrNoFileBuildsNothing) {
  TempFolder temp;
  RecordingTree tree;
  TDB withoutFile;
  EXPECT_EQ(withoutFile.BuildTree("Help", tree, nullptr, true), 0);
  EXPECT_EQ(withoutFile.ReadSection("Help").Count(), 0u);
  EXPECT_EQ(withoutFile.ReadInteger("Help", "#icon", 4), 4);

  TDB missing;
  missing.Open(temp.File("none.tree"));
  EXPECT_EQ(missing.BuildTree("Help", tree, nullptr, true), 0);
  EXPECT_EQ(tree.Print(), "");
}

// A file beyond the limits is told and builds nothing, not a part of it.
TEST(TreeFile, TreeBeyondTheLimitsIsReportedAndNotBuilt) {
  struct Case {
    const char* name;
    std::string text;
  };
  // Each of 25 sections names the next one twice: 2^25 nodes from a few
  // hundred bytes.
  std::string doubling = "[Help]\r\nS1=\r\nS1=\r\n";
  for (int i = 1; i < 25; ++i) {
    const std::string next = "S" + std::to_string(i + 1) + "=\r\n";
    doubling += "[S" + std::to_string(i) + "]\r\n" + next + next;
  }
  // A chain of 50,000 sections, each the only child of the one before.
  std::string chain = "[Help]\r\nS1=\r\n";
  for (int i = 1; i < 50'000; ++i)
    chain += "[S" + std::to_string(i) + "]\r\nS" + std::to_string(i + 1) + "=\r\n";
  const Case cases[] = {{"sections named twice over", doubling}, {"a long chain", chain}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto dialogs = std::make_shared<platform::RecordingDialogService>();
    platform::ScopedDialogService guard(dialogs);
    TempFolder temp;
    ASSERT_TRUE(WriteFileBytes(temp.File("help.tree"), c.text));
    TDB db;
    db.Open(temp.File("help.tree"));
    RecordingTree tree;
    EXPECT_EQ(db.BuildTree("Help", tree, nullptr, true), 0);
    EXPECT_EQ(tree.Print(), "");
    ASSERT_EQ(dialogs->Shown().size(), 1u);
    EXPECT_THAT(dialogs->Shown()[0].text, testing::HasSubstr("The tree file \"" + temp.File("help.tree") + "\" is not shown"));
  }
}

TEST(TreeFile, TreeWithinTheLimitsIsBuiltWhole) {
  std::vector<std::string> chain = {"[Help]", "S1="};
  for (int i = 1; i < 60; ++i) {
    chain.push_back("[S" + std::to_string(i) + "]");
    chain.push_back("S" + std::to_string(i + 1) + "=");
  }
  auto dialogs = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard(dialogs);
  const std::string tree = BuildHelp(chain);
  EXPECT_TRUE(dialogs->Shown().empty());
  EXPECT_NE(tree.find("S60(-1/-1)"), std::string::npos);
}

TEST(TreeFile, ReadersOfTheOpenFile) {
  TempFolder temp;
  ASSERT_TRUE(WriteFileBytes(temp.File("t.tree"), "[Topic]\r\nB=\r\nA=\r\n#link=x.html\r\n#icon=12\r\n#subicon=x\r\n"));
  TDB db;
  db.Open(temp.File("t.tree"));
  EXPECT_EQ(db.ReadSection("Topic").Items(), (std::vector<std::string>{"B", "A", "#link", "#icon", "#subicon"}));
  EXPECT_EQ(db.ReadString("topic", "#LINK", "1.html"), "x.html");
  EXPECT_EQ(db.ReadString("Other", "#link", "1.html"), "1.html");
  EXPECT_EQ(db.ReadInteger("Topic", "#icon", 0), 12);
  EXPECT_EQ(db.ReadInteger("Topic", "#subicon", 7), 7);
}

}  // namespace
}  // namespace engine
