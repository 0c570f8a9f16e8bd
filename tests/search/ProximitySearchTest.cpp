// The proximity search: which verses meet, in which book, chapter and verse.

#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "core/IxoFormat.h"
#include "search/ConditionSet.h"
#include "search/ProximitySearch.h"

namespace search {
namespace {

using search_testing::Outline;
using search_testing::SearchFixture;

// Filler verses of eight words keep the test verses out of each other's windows.
constexpr char Text[] =
    "book 1\n"
    "1:1 love and love again in the beginning of days.\n"
    "1:2 one two three four five six seven eight.\n"
    "1:3 love world here and there.\n"
    "1:4 one two three four five six seven eight.\n"
    "1:5 love a b c d e world.\n"
    "1:6 one two three four five six seven eight.\n"
    "1:7 love a b c d e f world.\n"
    "1:8 one two three four five six seven eight.\n"
    "1:9 eight nine ten then came love\n"
    "1:10 world one two three four five six seven eight.\n"
    "2:1 one two three four five six seven eight.\n"
    "2:2 in chapter two love world.\n"
    "2:3 one two three four five six seven eight love\n"
    "book 2\n"
    "1:1 world one two three four five six seven eight.\n"
    "1:2 one two three.\n"
    "book 9\n"
    "1:1 love world in Samuel.\n"
    "1:2 one two.\n"
    "book 40\n"
    "1:1 love only here.\n"
    "1:2 one two.\n";

class ProximitySearchTest : public ::testing::Test {
 protected:
  // Each word its own condition, as the tool bar's "All Words" makes them.
  SearchResult Search(const std::vector<std::string>& words, int span) {
    conditions_.UseSummaryTexts(words);
    conditions_.ParseConditionText(0);
    return RunSearch(conditions_, 0, span);
  }

  SearchFixture fixture_{Text};
  ConditionSet conditions_;
};

TEST_F(ProximitySearchTest, OneConditionListsEachVerseOnceUnderItsFirstWord) {
  const SearchResult result = Search({"love"}, 7);
  EXPECT_EQ(Outline(result), "Genesis/1/1 3 5 7 9;Genesis/2/2 3;1  Samuel/1/1;Matthew/1/1");
  EXPECT_EQ(result.Verses, 9);
  EXPECT_EQ(result.Chapters, 4);
  EXPECT_EQ(result.Books.size(), 3u);
  // Verse 1:1 holds love twice: it is listed with the first one, word 1 of the text.
  EXPECT_EQ(result.Books[0].Chapters[0].Verses[0], (ResultVerse{1, 1}));
}

TEST_F(ProximitySearchTest, SpanSetsHowFarApartTheConditionsMayBe) {
  // Span 7: the other word within the next six words; span 1 with two
  // conditions: a window of two words, so they must be adjacent.
  EXPECT_EQ(Outline(Search({"love", "world"}, 7)), "Genesis/1/3 5 9;Genesis/2/2;1  Samuel/1/1");
  EXPECT_EQ(Outline(Search({"love", "world"}, 1)), "Genesis/1/3 9;Genesis/2/2;1  Samuel/1/1");
}

TEST_F(ProximitySearchTest, WindowIntoTheNextVerseIsListedUnderTheFirst) {
  const SearchResult result = Search({"love", "world"}, 7);
  const ResultVerse& crossing = result.Books[0].Chapters[0].Verses[2];
  EXPECT_EQ(crossing.Verse, 9);
  EXPECT_EQ(fixture_.WordAt(crossing.WordNumber), "love");
  // Verse 10, where world stands, is not listed on its own.
  for (const ResultVerse& verse : result.Books[0].Chapters[0].Verses) EXPECT_NE(verse.Verse, 10);
}

TEST_F(ProximitySearchTest, NoHitAcrossTheEndOfABook) {
  // The last word of Genesis is love, the first of Exodus world: adjacent in
  // the marks, but in two books.
  const SearchResult result = Search({"love", "world"}, 7);
  for (const ResultBook& book : result.Books) EXPECT_NE(book.Book, 2);
  EXPECT_EQ(result.Books[0].Chapters[1].Verses.size(), 1u);  // 2:2 only, not 2:3
}

TEST_F(ProximitySearchTest, BookWithoutOneConditionGetsNoNode) {
  // Matthew holds love but not world.
  const SearchResult result = Search({"love", "world"}, 7);
  ASSERT_EQ(result.Books.size(), 2u);
  EXPECT_EQ(result.Books[0].Book, 1);
  EXPECT_EQ(result.Books[1].Book, 9);
  EXPECT_EQ(result.Books[1].DisplayName, "1  Samuel");
}

TEST_F(ProximitySearchTest, MoreConditionsThanTheSpanWidenTheWindow) {
  // Three conditions, span 1: a window of three words.
  EXPECT_EQ(Outline(Search({"love", "world", "here"}, 1)), "Genesis/1/3");
  EXPECT_EQ(Outline(Search({"love", "world", "there"}, 1)), "");
  EXPECT_EQ(Outline(Search({"love", "world", "there"}, 5)), "Genesis/1/3");
}

TEST_F(ProximitySearchTest, MaskChoosesTheConditions) {
  conditions_.UseSummaryTexts({"love", "world"});
  conditions_.ParseConditionText(0);
  const SearchResult onlyLove = RunSearch(conditions_, engine::ConditionMask(1), 1);
  EXPECT_EQ(onlyLove.ConditionCount, 1);
  EXPECT_EQ(onlyLove.Verses, 9);
}

TEST_F(ProximitySearchTest, NoActiveConditionSearchesNothing) {
  conditions_.UseSummaryTexts({"love"});
  conditions_.ParseConditionText(0);
  conditions_.SetConditionChecked(1, false);
  const SearchResult result = RunSearch(conditions_, 0, 7);
  EXPECT_EQ(result.ConditionCount, 0);
  EXPECT_TRUE(result.Books.empty());
}

TEST_F(ProximitySearchTest, ConditionWithoutWordsMatchesNothing) {
  EXPECT_EQ(Search({"love", "zebra"}, 7).Verses, 0);
}

TEST(ProximitySearchWindow, Width) {
  struct Case {
    int count, span, width;
  } cases[] = {{1, 7, 0}, {2, 7, 6}, {2, 1, 1}, {9, 7, 8}, {7, 7, 6}, {3, 1, 2}};
  for (const Case& c : cases) EXPECT_EQ(WindowWidth(c.count, c.span), c.width) << c.count << "/" << c.span;
}

TEST(ProximitySearchNames, BookDisplayName) {
  EXPECT_EQ(BookDisplayName("1 Samuel"), "1  Samuel");
  EXPECT_EQ(BookDisplayName("2 Kings"), "2  Kings");
  EXPECT_EQ(BookDisplayName("3 John"), "3  John");
  EXPECT_EQ(BookDisplayName("Genesis"), "Genesis");
  EXPECT_EQ(BookDisplayName(""), "");
}

TEST(ProximitySearchStatus, SingularAndPlural) {
  EXPECT_EQ(StatusText(1, 1), "Found 1 match in 1 book");
  EXPECT_EQ(StatusText(3, 12), "Found 12 matches in 3 books");
  EXPECT_EQ(StatusText(1, 2), "Found 2 matches in 1 book");
  EXPECT_EQ(StatusText(0, 0), "Found no matching verses.");
}

// A book whose separator counts fewer words than follow it: the walk stops
// at the count, as the marking does.
TEST(ProximitySearchBounds, WalkStopsAtTheBookWordCount) {
  SearchFixture fixture(
      "book 66\n"
      "1:1 love world one two.\n"
      "1:2 three four love world.\n");
  // Books 1 to 65 are empty separators; book 66's separator is record 65.
  const std::string text = fixture.Text().EditionFile(ixo::TextFileName);
  engine_testing::WriteU16(text, 65 * sizeof(ixo::IxoWritten) + 2, 4);
  fixture.Text().Load();

  ConditionSet conditions;
  conditions.UseSummaryTexts({"love", "world"});
  conditions.ParseConditionText(0);
  EXPECT_EQ(Outline(RunSearch(conditions, 0, 7)), "Revelation/1/1");
}

}  // namespace
}  // namespace search
