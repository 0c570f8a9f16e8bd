// A search for "love world" on the installed KJV, from the tool bar's
// criteria to the finished search; skipped when the edition is not built.

#include <gtest/gtest.h>

#include <algorithm>

#include "KjvEngine.h"
#include "TempFolder.h"
#include "engine/ixoutils.h"
#include "platform/Paths.h"
#include "search/ConditionSet.h"
#include "search/FinishSearch.h"
#include "search/ProximitySearch.h"
#include "search/StudyFile.h"
#include "search/ToolbarCriteria.h"

namespace search {
namespace {

using engine_testing::KeysFrom;
using engine_testing::KjvEngine;

class KjvSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { kjv_ = std::make_unique<KjvEngine>(); }
  static void TearDownTestSuite() { kjv_.reset(); }
  void SetUp() override {
    if (!kjv_->Present()) GTEST_SKIP() << "no built edition in " << IXO_BUILT_EDITION;
    conditions_.Reset();
    conditions_.UseSummaryTexts(*ToolbarConditionTexts("love world", true));
    conditions_.ParseConditionText(0);
  }

  static inline std::unique_ptr<KjvEngine> kjv_;
  ConditionSet conditions_;
};

TEST_F(KjvSearchTest, EveryVerseHoldsBothWordsWithinSevenWords) {
  ASSERT_EQ(engine::Engine().Sensitivity, 7);
  const SearchResult result = RunSearch(conditions_, 0, engine::Engine().Sensitivity);
  ASSERT_GT(result.Verses, 0);
  const std::uint16_t love = engine::EnglishWordToKey("love");
  const std::uint16_t world = engine::EnglishWordToKey("world");
  for (const ResultBook& book : result.Books)
    for (const ResultChapter& chapter : book.Chapters)
      for (const ResultVerse& verse : chapter.Verses) {
        const std::vector<std::uint16_t> window = KeysFrom(verse.WordNumber, 7);
        EXPECT_TRUE(std::ranges::count(window, love) && std::ranges::count(window, world))
            << book.DisplayName << " " << chapter.Chapter << ":" << verse.Verse;
      }
  // "Love not the world" (1 John 2:15).
  const auto firstJohn = std::ranges::find(result.Books, 62, &ResultBook::Book);
  ASSERT_NE(firstJohn, result.Books.end());
  EXPECT_EQ(firstJohn->DisplayName, "1  John");
  const auto chapter2 = std::ranges::find(firstJohn->Chapters, 2, &ResultChapter::Chapter);
  ASSERT_NE(chapter2, firstJohn->Chapters.end());
  EXPECT_TRUE(std::ranges::count(chapter2->Verses, 15, &ResultVerse::Verse));
}

TEST_F(KjvSearchTest, FinishingKeepsTheStudyAndHighlightsTheWords) {
  const std::string history =
      FinishSearch(conditions_, [] { return LocalDateTime{2026, 12, 8, 5, 8, 2}; });
  EXPECT_EQ(history, HistoryFolder() + "2026/12 (December)/08@@(05.08.02).ixolc");
  const std::string study = testing_support::ReadFileBytes(history);
  EXPECT_EQ(study, "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n[Active]\r\n1=1\r\n2=1\r\n");
  EXPECT_EQ(testing_support::ReadFileBytes(HistoryFolder() + "current.ixolc"), study);

  const std::string sheet = testing_support::ReadFileBytes(kjv_->HtmlDir() + "style/ixo.css");
  int rules = 0;
  for (const char* word : {"love", "world"})
    for (const std::string& tag : engine::LemmaTagsForWord(word)) {
      EXPECT_NE(sheet.find("." + tag + "\r\n{\nfont-weight:bold;\ncolor:blue\n}\n"), std::string::npos) << tag;
      ++rules;
    }
  EXPECT_GT(rules, 2);
}

// The Old Testament spells it "Beth-lehem", the New "Bethlehem": the word
// list holds both, and a search for either finds both.
TEST_F(KjvSearchTest, BethlehemFindsTheVersesThatSpellItBethLehem) {
  const std::vector<std::uint16_t> keys = engine::KeysForWord("Bethlehem");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(engine::KeyToEnglishWord(keys[1]), "beth-lehem");

  for (const char* typed : {"Bethlehem", "Beth-lehem"}) {
    conditions_.Reset();
    conditions_.UseSummaryTexts({typed});
    conditions_.ParseConditionText(0);
    const SearchResult result = RunSearch(conditions_, 0, engine::Engine().Sensitivity);
    std::vector<std::string> found;
    for (const ResultBook& book : result.Books)
      for (const ResultChapter& chapter : book.Chapters)
        for (const ResultVerse& verse : chapter.Verses) {
          const std::uint16_t word = KeysFrom(verse.WordNumber, 1).at(0);
          found.push_back(book.DisplayName + " " + std::to_string(chapter.Chapter) + ":" +
                          std::to_string(verse.Verse));
          EXPECT_TRUE(std::ranges::count(keys, word)) << found.back();
        }
    // Rachel's grave, Ruth's arrival, Micah's prophecy, and the birth.
    for (const char* verse : {"Genesis 35:19", "Ruth 1:19", "Micah 5:2", "Matthew 2:1"})
      EXPECT_TRUE(std::ranges::count(found, verse)) << typed << ": " << verse;
  }
}

}  // namespace
}  // namespace search
