// The add-in's text for the search over the add-in's data and engine library
// built from the KJV: its Strong's lists from the library's table, its studies
// below the installation folder, and the search's conditions over it.
#include "wordaddin/AddinSearchText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/SearchMarks.h"
#include "platform/Dialogs.h"
#include "search/ConditionSet.h"
#include "search/FinishSearch.h"
#include "search/ProximitySearch.h"
#include "support/AddinInstallation.h"
#include "support/TempFolder.h"
#include "wordaddin/StrongsLists.h"
#include "wordaddin/ixoObject.h"

namespace wordaddin {
namespace {

using Items = std::vector<std::string>;
using testing_support::AddinInstallation;

bool Holds(const platform::TStringList& list, const std::string& item) { return list.IndexOf(item) >= 0; }

// The verses of a result as "Book chapter:verse", in order.
Items FoundVerses(const search::SearchResult& result) {
  Items found;
  for (const search::ResultBook& book : result.Books)
    for (const search::ResultChapter& chapter : book.Chapters)
      for (const search::ResultVerse& verse : chapter.Verses)
        found.push_back(book.DisplayName + " " + std::to_string(chapter.Chapter) + ":" + std::to_string(verse.Verse));
  return found;
}

class AddinSearchTextOnKjv : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!AddinInstallation::BuiltDataExists()) GTEST_SKIP() << "the add-in's data is not built";
    installation = std::make_unique<AddinInstallation>();
    ASSERT_TRUE(engine.Load());
  }

  std::unique_ptr<AddinInstallation> installation;
  std::shared_ptr<platform::RecordingDialogService> dialogs = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogService{dialogs};
  TixoEngine engine;
  AddinSearchText text{engine};
};

TEST_F(AddinSearchTextOnKjv, StrongsNumbersOfAWordComeFromItsKey) {
  const platform::TStringList god = StrongsNumbersForWord(engine, "God");
  EXPECT_TRUE(Holds(god, "H430"));
  EXPECT_TRUE(Holds(god, "G2316"));
  for (const std::string& token : god) EXPECT_TRUE(token[0] == 'H' || token[0] == 'G') << token;

  // A token is its own number; a word the library does not know adds nothing.
  EXPECT_EQ(StrongsNumbersForWord(engine, "H430").Items(), Items{"H430"});
  EXPECT_EQ(StrongsNumbersForWord(engine, "g2316").Items(), Items{"g2316"});
  for (const char* nothing : {"", "nosuchword", "H12x"}) {
    platform::TStringList given;
    given.Add("kept");
    StrongsNumbersForWord(engine, nothing, given);
    EXPECT_EQ(given.Items(), Items{"kept"}) << nothing;
  }
}

TEST_F(AddinSearchTextOnKjv, WordsOfANumberAreLookedForInItsLanguageOnly) {
  const platform::TStringList hebrew = WordsForStrongsNumber(engine, "H430");
  const platform::TStringList greek = WordsForStrongsNumber(engine, "G430");
  EXPECT_TRUE(Holds(hebrew, "god"));
  EXPECT_TRUE(Holds(hebrew, "gods"));
  // "god" translates Greek 2316, not Greek 430 ("suffer", "forbear").
  EXPECT_FALSE(Holds(greek, "god"));
  EXPECT_TRUE(Holds(greek, "suffer"));
  EXPECT_TRUE(Holds(WordsForStrongsNumber(engine, "g2316"), "god"));
  for (const char* nothing : {"", "H", "Hx", "love", "H0"})
    EXPECT_TRUE(WordsForStrongsNumber(engine, nothing).Empty()) << nothing;
}

TEST_F(AddinSearchTextOnKjv, RelatedWordsAreTheWordsOfEveryNumber) {
  platform::TStringList tokens;
  tokens.Add("H430");
  tokens.Add("G430");
  const platform::TStringList related = text.RelatedWords(tokens);
  EXPECT_TRUE(Holds(related, "god"));
  EXPECT_TRUE(Holds(related, "suffer"));
  EXPECT_TRUE(text.RelatedWords(platform::TStringList()).Empty());
}

TEST_F(AddinSearchTextOnKjv, StudiesLieBelowTheInstallationFolder) {
  EXPECT_EQ(text.InstallDir(), installation->InstallDir());
  EXPECT_EQ(text.HistoryFolder(), installation->InstallDir() + "history/");
  EXPECT_EQ(text.Sensitivity(), 7);
}

TEST_F(AddinSearchTextOnKjv, ConditionsMarkAndSearchTheAddinsText) {
  search::ConditionSet conditions(text);
  EXPECT_TRUE(conditions.AddSearchWord("LOVE", 1));
  EXPECT_EQ(conditions[1].WordList.Items(), Items{"love"});  // the library's spelling
  EXPECT_TRUE(conditions.AddSearchWord("h430", 3));
  EXPECT_EQ(conditions[3].WordList.Items(), Items{"h430"});
  // A Hebrew number marks the Hebrew books only, one number per word.
  EXPECT_NE(engine.Marks.BookMarks[1] & engine::ConditionMask(3), 0);
  EXPECT_EQ(engine.Marks.BookMarks[40] & engine::ConditionMask(3), 0);

  EXPECT_FALSE(conditions.AddSearchWord("nosuchword", 2));
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "Word not found in Bible text.");

  conditions.UseSummaryTexts({"love", "world"});
  conditions.ParseConditionText(0);
  EXPECT_EQ(FoundVerses(search::RunSearch(conditions, 0, text.Sensitivity())),
            (Items{"John 14:31", "John 15:17", "John 15:19", "1  John 2:15", "1  John 4:17"}));
}

// A finished search keeps its study in the history of the text it searched,
// with that text's span.
TEST_F(AddinSearchTextOnKjv, FinishedSearchKeepsItsStudyInTheTextsHistory) {
  search::ConditionSet conditions(text);
  conditions.UseSummaryTexts({"love", "world"});
  conditions.ParseConditionText(0);
  const std::string file =
      search::FinishSearch(conditions, [] { return search::LocalDateTime{2026, 12, 8, 5, 8, 2}; });

  const std::string history = installation->InstallDir() + "history/";
  const std::string study = "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n[Active]\r\n1=1\r\n2=1\r\n";
  EXPECT_EQ(file, history + "2026/12 (December)/08@@(05.08.02).ixolc");
  EXPECT_EQ(testing_support::ReadFileBytes(file), study);
  EXPECT_EQ(testing_support::ReadFileBytes(history + "current.ixolc"), study);
}

// The library's list holds "bethlehem" (the New Testament's spelling) and
// "beth-lehem" (the Old's); the word is both.
TEST_F(AddinSearchTextOnKjv, AWordCountsInEverySpellingOfItsLetters) {
  const std::vector<std::uint16_t> keys = text.WordKeys("Bethlehem");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0], text.WordKey("beth-lehem"));
  EXPECT_EQ(text.WordText(keys[1]), "beth-lehem");
  EXPECT_EQ(text.WordKeys("BETH-LEHEM"), keys);
  EXPECT_EQ(text.WordKeys("love"), std::vector<std::uint16_t>{text.WordKey("love")});
  EXPECT_TRUE(text.WordKeys("nosuchword").empty());

  const platform::TStringList numbers = StrongsNumbersForWord(engine, "Bethlehem");
  EXPECT_TRUE(Holds(numbers, "H1035"));
  EXPECT_TRUE(Holds(numbers, "G965"));

  search::ConditionSet conditions(text);
  conditions.UseSummaryTexts({"Bethlehem"});
  conditions.ParseConditionText(0);
  const Items found = FoundVerses(search::RunSearch(conditions, 0, text.Sensitivity()));
  // Rachel's grave, Ruth's arrival, Micah's prophecy, and the birth.
  for (const char* verse : {"Genesis 35:19", "Ruth 1:19", "Micah 5:2", "Matthew 2:1"})
    EXPECT_TRUE(std::ranges::count(found, verse)) << verse;
}

}  // namespace
}  // namespace wordaddin
