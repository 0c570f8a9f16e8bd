// The search visits only the marked words of the active conditions. Here it
// is compared, on the installed KJV, with the plain walk of every word of
// every book that holds all the conditions, which is kept below as the
// reference: both must find the same verses under the same word numbers.
// Skipped when the edition is not built.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "KjvEngine.h"
#include "engine/SearchMarks.h"
#include "search/ConditionSet.h"
#include "search/ProximitySearch.h"
#include "search/SearchText.h"

namespace search {
namespace {

using engine_testing::KjvEngine;

// The plain walk: each book that holds every condition, word by word from
// chapter 1 verse 1, counting a chapter whenever the verse byte turns to 1;
// a marked word begins a window of width more words within the book, and a
// window that holds every condition reports its first word's verse once.
SearchResult FullWalk(const SearchText& text, std::uint16_t mask, int conditionCount, int span) {
  SearchResult result;
  if (conditionCount <= 0 || mask == 0) return result;
  result.ConditionCount = conditionCount;
  const auto width = static_cast<std::size_t>(std::max(WindowWidth(conditionCount, span), 0));
  const std::vector<std::uint16_t>& marks = text.Marks().WordMarks;
  for (int b = 1; b <= SearchText::Books; ++b) {
    engine::TWordCursor cursor;
    if (!text.SeekVerse(b, 1, 1, cursor)) continue;
    if ((text.Marks().BookMarks[b] & mask) != mask) continue;
    const std::uint32_t first = cursor.WordNumber();
    if (first >= marks.size()) continue;
    const std::size_t count =
        std::min<std::size_t>(static_cast<std::size_t>(cursor.End - cursor.Cur), marks.size() - first);

    bool bookAdded = false;
    int chapter = 1, verse = 1, lastChapter = 0, lastVerse = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const int wordVerse = cursor.Cur[i].verse;
      if (wordVerse != verse) {
        if (wordVerse == 1) ++chapter;
        verse = wordVerse;
      }
      if ((marks[first + i] & mask) == 0) continue;
      std::uint16_t seen = 0;
      for (std::size_t j = i; j <= std::min(i + width, count - 1); ++j) seen |= marks[first + j];
      if ((seen & mask) != mask || (chapter == lastChapter && verse == lastVerse)) continue;
      if (!bookAdded) result.Books.push_back(ResultBook{b, BookDisplayName(text.BookName(b)), {}});
      bookAdded = true;
      if (chapter != lastChapter) {
        result.Books.back().Chapters.push_back(ResultChapter{chapter, {}});
        ++result.Chapters;
      }
      result.Books.back().Chapters.back().Verses.push_back(
          ResultVerse{verse, first + static_cast<std::uint32_t>(i)});
      ++result.Verses;
      lastChapter = chapter;
      lastVerse = verse;
    }
  }
  return result;
}

struct Query {
  std::vector<std::string> conditions;  // the summary texts of conditions 1, 2, ...
  int span;
  std::uint16_t mask = 0;  // 0: the active conditions, else these conditions alone
  bool finds = true;       // whether any verse meets
};

const std::vector<Query> Queries{
    // One condition: the word alone, whatever the span.
    {{"love"}, 7},
    {{"love"}, 100},
    // Two and five conditions, spans from 0 to 100.
    {{"holy", "ghost"}, 0},
    {{"holy", "ghost"}, 1},
    {{"love", "world"}, 1, 0, false},
    {{"love", "world"}, 7},
    {{"love", "world"}, 30},
    {{"God", "heaven", "earth", "H8064", "H776"}, 7},
    {{"God", "heaven", "earth", "H8064", "H776"}, 100},
    // Windows across verses and up to the ends of books: Malachi ends with
    // "Elijah" and "curse", Matthew opens with "book" and "generation"; none
    // of them meet across the two books.
    {{"curse", "book"}, 100},
    {{"Elijah", "generation"}, 100, 0, false},
    {{"amen", "grace"}, 60},
    // Fourteen conditions of frequent words: windows of 13 and 99 words.
    {{"the", "and", "of", "to", "that", "in", "he", "shall", "unto", "for", "i", "his", "a", "lord"}, 7, 0, false},
    {{"the", "and", "of", "to", "that", "in", "he", "shall", "unto", "for", "i", "his", "a", "lord"}, 100},
    {{"God", "Jesus", "love", "faith", "hope", "charity", "spirit", "truth", "light", "life", "grace",
      "peace", "word", "world"},
     100, 0, false},
    // Strong's numbers that begin others: G25 and G2532, H1 and H11 or H430.
    {{"G25", "G2532"}, 7},
    {{"G25 G2532", "love"}, 7},
    {{"G2532"}, 7},
    {{"H1", "H430"}, 100},
    {{"H1 H11", "H430"}, 7},
    {{"H430 G2316", "heaven"}, 10},
    // Words of several spellings, and several words in one condition.
    {{"Bethlehem"}, 7},
    {{"Beth-lehem", "Judah"}, 20},
    {{"love charity", "God Lord"}, 7},
    {{"the", "Jesus"}, 3},
    // A condition whose word the text lacks: nothing meets.
    {{"love", "xyzzy"}, 7, 0, false},
    // Some conditions marked but not searched.
    {{"love", "God", "world"}, 7, engine::ConditionMask(1) | engine::ConditionMask(3)},
    {{"the", "faith", "hope"}, 40, engine::ConditionMask(2) | engine::ConditionMask(3)},
};

class MarkedWalkTest : public ::testing::TestWithParam<Query> {
 protected:
  static void SetUpTestSuite() { kjv_ = std::make_unique<KjvEngine>(); }
  static void TearDownTestSuite() { kjv_.reset(); }
  void SetUp() override {
    if (!kjv_->Present()) GTEST_SKIP() << "no built edition in " << IXO_BUILT_EDITION;
  }

  static inline std::unique_ptr<KjvEngine> kjv_;
};

TEST_P(MarkedWalkTest, FindsWhatTheFullWalkFinds) {
  const Query& query = GetParam();
  ConditionSet conditions;
  conditions.UseSummaryTexts(query.conditions);
  conditions.ParseConditionText(0);
  const std::uint16_t mask = query.mask ? query.mask : conditions.ActiveMask();
  const int count = query.mask ? ConditionsInMask(query.mask) : conditions.ActiveCount();

  const SearchResult walked = RunSearch(conditions, query.mask, query.span);
  const SearchResult expected = FullWalk(conditions.Text(), mask, count, query.span);
  EXPECT_EQ(walked, expected);
  EXPECT_EQ(StatusText(static_cast<int>(walked.Books.size()), walked.Verses),
            StatusText(static_cast<int>(expected.Books.size()), expected.Verses));

  EXPECT_EQ(expected.Verses > 0, query.finds) << StatusText(static_cast<int>(expected.Books.size()), expected.Verses);
}

std::string QueryName(const ::testing::TestParamInfo<Query>& info) {
  std::string name = std::to_string(info.index) + "_";
  for (const std::string& condition : info.param.conditions) name += condition + "_";
  name += "span" + std::to_string(info.param.span);
  std::ranges::replace_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Kjv, MarkedWalkTest, ::testing::ValuesIn(Queries), QueryName);

}  // namespace
}  // namespace search
