// A word that the word list holds with and without hyphens ("bethlehem" and
// "beth-lehem"): a condition marks it in every spelling, the search finds the
// verses of each, and the style sheet highlights each.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SearchFixture.h"
#include "TempFolder.h"
#include "engine/SearchMarks.h"
#include "engine/ixoutils.h"
#include "publish/StyleSheet.h"
#include "search/ConditionSet.h"
#include "search/ProximitySearch.h"

namespace search {
namespace {

using search_testing::Outline;
using search_testing::SearchFixture;
using Words = std::vector<std::string>;

// The filler verse keeps verses 1 and 3 out of each other's windows.
constexpr char Text[] =
    "book 1\n"
    "1:1 Rachel<7354> was buried in Bethlehem<1035>.\n"
    "1:2 one two three four five six seven eight.\n"
    "1:3 Go to Beth-lehem<1035,3063> now.\n"
    "book 40\n"
    "1:1 Jesus<2424> was born in Bethlehem<965>.\n";

class SpellingsSearchTest : public ::testing::Test {
 protected:
  SearchFixture fixture_{Text};
};

TEST_F(SpellingsSearchTest, AConditionMarksEverySpellingOfItsWord) {
  for (const char* typed : {"Bethlehem", "beth-lehem", "BETHLEHEM"}) {
    ConditionSet conditions;
    ASSERT_TRUE(conditions.AddSearchWord(typed, 2)) << typed;
    EXPECT_EQ(conditions[2].WordList.Items(), Words{"bethlehem"}) << typed;  // listed once, as the first key
    EXPECT_EQ(fixture_.MarkedWords(2), (Words{"bethlehem", "beth-lehem", "bethlehem"})) << typed;
    EXPECT_EQ(fixture_.Engine().Marks.BookMarks[1], engine::ConditionMask(2));
    EXPECT_EQ(fixture_.Engine().Marks.BookMarks[40], engine::ConditionMask(2));
    conditions.Reset();
  }
}

TEST_F(SpellingsSearchTest, TheSearchFindsTheVersesOfEverySpelling) {
  ConditionSet conditions;
  conditions.UseSummaryTexts({"Bethlehem"});
  conditions.ParseConditionText(0);
  EXPECT_EQ(Outline(RunSearch(conditions, 0, 7)), "Genesis/1/1 3;Matthew/1/1");

  conditions.UseSummaryTexts({"go", "bethlehem"});
  conditions.ParseConditionText(0);
  EXPECT_EQ(Outline(RunSearch(conditions, 0, 7)), "Genesis/1/3");
}

TEST_F(SpellingsSearchTest, TheStyleSheetHighlightsEverySpelling) {
  ConditionSet conditions;
  ASSERT_TRUE(conditions.AddConditionWord("Bethlehem", true, 1));
  ASSERT_TRUE(publish::WriteStyleSheet(&conditions));
  const std::string sheet = testing_support::ReadFileBytes(fixture_.Text().HtmlDir() + "style/ixo.css");
  for (const char* tag : {"bethlehem_H1035", "bethlehem_G965", "beth-lehem_H1035_3063"})
    EXPECT_NE(sheet.find("." + std::string(tag) + "\r\n{\nfont-weight:bold;\ncolor:blue\n}\n"), std::string::npos)
        << tag;
}

}  // namespace
}  // namespace search
