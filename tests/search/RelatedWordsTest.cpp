// The Strong's numbers of a word, the related words of a set of numbers, and
// the words of one number, as a condition page lists them.

#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "StrongsText.h"
#include "search/RelatedWords.h"
#include "search/SearchCondition.h"

namespace search {
namespace {

using Items = std::vector<std::string>;

platform::TStringList Tokens(const Items& items) {
  platform::TStringList list;
  for (const std::string& item : items) list.Add(item);
  return list;
}

class RelatedWordsTest : public ::testing::Test {
 protected:
  search_testing::SearchFixture fixture_{search_testing::StrongsText};
};

TEST_F(RelatedWordsTest, SynonymListTakesTheWordsOfEveryNumberInItsLanguage) {
  // Hebrew numbers are looked for in books 1 to 39, Greek ones in 40 to 66.
  EXPECT_EQ(SynonymList(Tokens({"H430"})).Items(), (Items{"god", "gods"}));
  EXPECT_EQ(SynonymList(Tokens({"G2316"})).Items(), (Items{"god"}));
  EXPECT_EQ(SynonymList(Tokens({"G430", "H2316"})).Items(), Items{});
  EXPECT_EQ(SynonymList(Tokens({"H776", "H1121", "G746"})).Items(), (Items{"beginning", "earth", "land"}));
  // Entries that are no Hebrew or Greek number add nothing.
  EXPECT_EQ(SynonymList(Tokens({"h430", "H", "Hx", "X776", "", "H0"})).Items(), Items{});
  EXPECT_TRUE(SynonymList(platform::TStringList()).Empty());

  platform::TStringList words = Tokens({"zebra"});
  SynonymList(Tokens({"H3068"}), words);
  EXPECT_EQ(words.Items(), (Items{"zebra", "lord"}));  // added to the list given, as it sorts
}

TEST_F(RelatedWordsTest, NumbersOfAWordAreBareAndSortedAsText) {
  TSearchCondition condition;
  ListNumbersOfWord(condition, "earth", true);
  EXPECT_EQ(condition.HebrList.Items(), (Items{"1121", "776"}));
  EXPECT_TRUE(condition.GreeList.Empty());
  EXPECT_EQ(condition.SynoList.Items(), (Items{"earth", "land"}));

  // God itself is among its related words, and each word comes once.
  ListNumbersOfWord(condition, "God", true);
  EXPECT_EQ(condition.HebrList.Items(), (Items{"430"}));
  EXPECT_EQ(condition.GreeList.Items(), (Items{"2316"}));
  EXPECT_EQ(condition.SynoList.Items(), (Items{"god", "gods"}));

  // Without the related words, the list of them is kept.
  ListNumbersOfWord(condition, "land", false);
  EXPECT_EQ(condition.HebrList.Items(), (Items{"776"}));
  EXPECT_TRUE(condition.GreeList.Empty());
  EXPECT_EQ(condition.SynoList.Items(), (Items{"god", "gods"}));

  // A word under no number, and a word the text lacks, empty all three.
  for (const char* word : {"the", "zebra"}) {
    ListNumbersOfWord(condition, "God", true);
    ListNumbersOfWord(condition, word, true);
    EXPECT_TRUE(condition.HebrList.Empty()) << word;
    EXPECT_TRUE(condition.GreeList.Empty()) << word;
    EXPECT_TRUE(condition.SynoList.Empty()) << word;
  }
}

TEST_F(RelatedWordsTest, WordsOfOneNumber) {
  TSearchCondition condition;
  ListNumbersOfWord(condition, "earth", true);
  ListWordsOfNumber(condition, 'H', "1121");
  EXPECT_EQ(condition.SynoList.Items(), Items{"earth"});
  EXPECT_EQ(condition.HebrList.Items(), (Items{"1121", "776"}));  // the numbers stay
  ListWordsOfNumber(condition, 'G', "746");
  EXPECT_EQ(condition.SynoList.Items(), Items{"beginning"});
  ListWordsOfNumber(condition, 'H', "9999");
  EXPECT_TRUE(condition.SynoList.Empty());
}

}  // namespace
}  // namespace search
