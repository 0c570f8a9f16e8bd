// The topics of the manual and what of each help page goes into it: the Help
// page's tree in its order, the pages its links name, and page bodies made
// fit for print.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "data/manual/ManualPage.h"
#include "data/manual/ManualTopics.h"

namespace data::manual {
namespace {

// Topics at two levels; a link with a fragment, one that would leave the
// folder, a topic without a link, and a sub-topic naming its own ancestor.
constexpr char kTree[] =
    "; help topics\r\n"
    "[Help]\r\n"
    "#subicon=1\r\n"
    "First=\r\n"
    "Second=\r\n"
    "[First]\r\n"
    "#link=first.html\r\n"
    "#subicon=2\r\n"
    "Part A=\r\n"
    "Part B=\r\n"
    "[Part A]\r\n"
    "#link=sub/a.html#middle\r\n"
    "First=\r\n"
    "[Part B]\r\n"
    "#link=../outside.html\r\n"
    "[Second]\r\n";

TEST(ManualTopics, FollowTheTreeEachTopicThenItsSubTopicsWithThePagesTheHelpPageShows) {
  testing_support::TempFolder help;
  ASSERT_TRUE(testing_support::WriteFileBytes(help.File("help.tree"), kTree));
  const std::string pages = help.Path() + "Help/";

  const std::vector<ManualTopic> topics = ReadManualTopics(help.Path());
  struct Expected {
    const char* title;
    int depth;
    std::string page;
  };
  const Expected expected[] = {
      {"First", 0, pages + "first.html"},
      {"Part A", 1, pages + "sub/a.html"},
      {"First", 2, pages + "first.html"},  // named again below itself: listed, not followed
      {"Part B", 1, pages + "1.html"},     // a link out of the folder gives the default page
      {"Second", 0, pages + "1.html"},     // no link: the default page
  };
  ASSERT_EQ(topics.size(), std::size(expected));
  for (std::size_t i = 0; i < topics.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(topics[i].title, expected[i].title);
    EXPECT_EQ(topics[i].depth, expected[i].depth);
    EXPECT_EQ(topics[i].page, expected[i].page);
  }
}

TEST(ManualTopics, NoTreeFileGivesNoTopics) {
  testing_support::TempFolder help;
  EXPECT_TRUE(ReadManualTopics(help.Path()).empty());
  ASSERT_TRUE(testing_support::WriteFileBytes(help.File("help.tree"), "[Other]\r\nx=\r\n"));
  EXPECT_TRUE(ReadManualTopics(help.Path()).empty());
}

TEST(ManualSectionBody, KeepsTheBodyWithoutItsTitleHeadingsBelowTheSectionAndLinksOnlyToTheWeb) {
  struct Case {
    const char* name;
    const char* page;
    const char* body;
  };
  const Case cases[] = {
      {"whole page", "<html>\n<title>\nT\n</title>\n<head><link rel=\"stylesheet\" href=\"help.css\"></head>\n"
                     "<BODY class=\"x\">\n<h1>T</h1>\n<p>Text.</p>\n</Body>\n</html>\n",
       "\n\n<p>Text.</p>\n"},
      {"no body tags", "<p>Only this.</p>", "<p>Only this.</p>"},
      {"later headings", "<h1 class=\"t\">Title</h1><h2>Part</h2><p>x</p><H3 id=\"y\">Sub</H3><h1>Again</h1>",
       "<h4>Part</h4><p>x</p><h4 id=\"y\">Sub</h4><h4>Again</h4>"},
      {"links to pages", "<p>See <a href=\"window.html\">The Main\nWindow</a>, <A HREF=\"../x.html#f\">X</A>.</p>",
       "<p>See The Main\nWindow, X.</p>"},
      {"links to the web and anchors stay",
       "<a href=\"https://www.ixobible.example/\">site</a> <a href=\"mailto:a@b.example\">mail</a> <a name=\"n\">N</a>",
       "<a href=\"https://www.ixobible.example/\">site</a> <a href=\"mailto:a@b.example\">mail</a> <a name=\"n\">N</a>"},
      {"rules and lists untouched", "<hr><ul><li>a</li></ul>", "<hr><ul><li>a</li></ul>"},
  };
  for (const Case& c : cases) EXPECT_EQ(ManualSectionBody(c.page), c.body) << c.name;
}

}  // namespace
}  // namespace data::manual
