// The engine on the installed KJV edition that the build writes; skipped when
// it is not there.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "KjvEngine.h"
#include "core/WordLetters.h"
#include "core/WordList.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/StringList.h"

namespace engine {
namespace {

class KjvTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { kjv_ = std::make_unique<engine_testing::KjvEngine>(); }
  static void TearDownTestSuite() { kjv_.reset(); }
  void SetUp() override {
    if (!kjv_->Present()) GTEST_SKIP() << "no built edition in " << IXO_BUILT_EDITION;
    ASSERT_TRUE(Engine().Loaded);
  }

  static bool Has(const platform::TStringList& list, const std::string& item) {
    return std::ranges::find(list.Items(), item) != list.Items().end();
  }

  static inline std::unique_ptr<engine_testing::KjvEngine> kjv_;
};

TEST_F(KjvTest, BeginningHasItsHebrewTag) {
  EXPECT_TRUE(Has(LemmaTagsForWord("beginning"), "beginning_H7225"));
}

TEST_F(KjvTest, ChaptersOfBooks) {
  EXPECT_EQ(Engine().BookInfo[1].ChapterCount, 50);
  EXPECT_EQ(Engine().BookInfo[19].ChapterCount, 150);
  EXPECT_EQ(Engine().BookInfo[31].ChapterCount, 1);
  EXPECT_EQ(Engine().BookInfo[66].ChapterBase + Engine().BookInfo[66].ChapterCount, 1189);
}

TEST_F(KjvTest, SeekVerseLandsOnTheFirstWordOfTheVerse) {
  TWordCursor cursor;
  ASSERT_TRUE(Engine().SeekVerse(19, 119, 176, cursor));
  EXPECT_EQ(cursor.Cur->verse, 176);
  ASSERT_NE(cursor.Prev, nullptr);
  EXPECT_EQ(cursor.Prev->verse, 175);
  EXPECT_EQ(KeyToDisplayWord(cursor.Cur->key), "I");

  TWordCursor chapter;
  ASSERT_TRUE(Engine().SeekVerse(19, 119, 1, chapter));
  EXPECT_EQ(Engine().ChapterVerseCount(chapter.Cur), 176);
}

// The "love" words of a verse that carry the bit of condition 1.
int MarkedLove(int book, int chapter, int verse) {
  TWordCursor cursor;
  if (!Engine().SeekVerse(book, chapter, verse, cursor)) return -1;
  int marked = 0;
  do {
    if (KeyToEnglishWord(cursor.Cur->key) == "love")
      marked += (Engine().Marks.WordMarks[cursor.WordNumber()] & 0x1) != 0;
  } while (NextWord(cursor) && cursor.Cur->verse == verse);
  return marked;
}

TEST_F(KjvTest, StrongsNumbersMarkLoveInJohn) {
  TixoEngine& engine = Engine();
  // John 13:34 loves with the verb (G25), 13:35 has the noun (G26).
  engine.MarkWord(1, 26, 'G');
  EXPECT_EQ(MarkedLove(43, 13, 34), 0);
  EXPECT_EQ(MarkedLove(43, 13, 35), 1);
  EXPECT_NE(engine.Marks.BookMarks[43] & 0x1, 0);
  EXPECT_EQ(engine.Marks.BookMarks[1] & 0x1, 0);
  engine.Marks.ClearAllMarks();

  engine.MarkWord(1, 25, 'G');
  EXPECT_EQ(MarkedLove(43, 13, 34), 2);
  engine.Marks.ClearAllMarks();
}

TEST_F(KjvTest, MosesHasHisNumber) {
  EXPECT_TRUE(Has(StrongsNumbersForWord("Moses"), "H4872"));
  EXPECT_TRUE(Has(LemmaTagsForWord("moses"), "moses_H4872"));
}

// Every word of the list, as stored and in capitals, finds the keys that a
// scan of its whole length group finds.
TEST_F(KjvTest, KeysOfEveryWordAgreeWithAScanOfItsGroup) {
  const EnglishWordList& list = Engine().English;
  const auto groups = std::span(list.EnglishGroups).subspan(1);
  int words = 0;
  for (const EnglishGroup& group : groups) words += group.count;
  ASSERT_GT(words, 10000);
  for (int key = 1; key <= words; ++key) {
    const std::string word = KeyToEnglishWord(static_cast<std::uint16_t>(key));
    for (const std::string& input : {word, ixo::LookupForm(word)}) {
      const auto length = static_cast<int>(std::ranges::count_if(input, [](char c) { return c != '-'; }));
      const std::vector<std::uint16_t> scanned = ixo::KeysOfLetters(groups, length, input, words);
      ASSERT_EQ(KeysForWord(input), scanned) << input;
      ASSERT_TRUE(std::ranges::find(scanned, key) != scanned.end()) << input;
    }
  }
}

}  // namespace
}  // namespace engine
