// The search marks: one bit per condition on every matching word and book.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "EngineFixture.h"
#include "engine/SearchMarks.h"
#include "engine/ixoutils.h"

namespace engine {
namespace {

using engine_testing::EngineFixture;

constexpr char Text[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254,853> the heaven<8064>.\n"
    "1:2 And GOD<430> said, Let there be light<216>; and god<430> saw<2,8> four<1,2,3,4>.\n"
    "book 40\n"
    "1:1 God<2316> is love<26>, and love<25> is of God<2316> the Spirit<4151,2316>.\n";

class MarksTest : public ::testing::Test {
 protected:
  void SetUp() override { engine_ = &fixture_.Load(); }

  // "book:word" of every word that carries all bits of mask, in text order.
  std::vector<std::string> Marked(std::uint16_t mask) const {
    std::vector<std::string> words;
    for (int book = 1; book <= 66; ++book) {
      TWordCursor cursor;
      if (!engine_->BookCursor(book, cursor)) continue;
      do {
        if ((engine_->Marks.WordMarks[cursor.WordNumber()] & mask) == mask)
          words.push_back(std::to_string(book) + ":" + KeyToDisplayWord(cursor.Cur->key));
      } while (NextWord(cursor));
    }
    return words;
  }
  bool NoMarks() const {
    return std::ranges::all_of(engine_->Marks.WordMarks, [](std::uint16_t m) { return m == 0; }) &&
           std::ranges::all_of(engine_->Marks.BookMarks, [](std::uint16_t m) { return m == 0; });
  }
  std::uint16_t Key(const char* word) const { return EnglishWordToKey(word); }

  EngineFixture fixture_{Text};
  TixoEngine* engine_ = nullptr;
};

TEST(SearchMarks, ConditionBits) {
  const std::uint16_t bits[] = {0,      0x0001, 0x0002, 0x0010, 0x0004, 0x0020, 0x0040, 0x0080,
                                0x0008, 0x0100, 0x0200, 0x0400, 0x0800, 0x1000, 0x2000, 0};
  for (int condition = 0; condition <= 15; ++condition)
    EXPECT_EQ(ConditionMask(condition), bits[condition]) << condition;
  EXPECT_EQ(ConditionMask(-1), 0);
}

TEST(SearchMarks, MarkClearAndResize) {
  using Masks = std::vector<std::uint16_t>;
  SearchMarks marks;
  marks.Size(5);
  marks.Mark(2, 3, ConditionMask(1));
  marks.Mark(2, 4, ConditionMask(3));
  marks.Mark(40, 5, ConditionMask(1));
  EXPECT_EQ(marks.WordMarks, (Masks{0, 0, 0, 0x01, 0x10, 0x01}));
  EXPECT_EQ(marks.BookMarks[2], 0x11);
  EXPECT_EQ(marks.BookMarks[40], 0x01);

  for (const auto& [book, word] : std::vector<std::pair<int, std::uint32_t>>{{2, 0}, {2, 6}, {2, 99}, {0, 3}, {67, 3}})
    marks.Mark(book, word, ConditionMask(14));  // beyond the masks: nothing
  EXPECT_EQ(marks.WordMarks, (Masks{0, 0, 0, 0x01, 0x10, 0x01}));
  EXPECT_EQ(marks.BookMarks[2], 0x11);

  marks.ClearCondition(0);
  marks.ClearCondition(15);
  EXPECT_EQ(marks.WordMarks, (Masks{0, 0, 0, 0x01, 0x10, 0x01}));
  marks.ClearCondition(1);
  EXPECT_EQ(marks.WordMarks, (Masks{0, 0, 0, 0, 0x10, 0}));
  EXPECT_EQ(marks.BookMarks[2], 0x10);
  EXPECT_EQ(marks.BookMarks[40], 0);

  marks.ClearAllMarks();
  EXPECT_EQ(marks.WordMarks, Masks(6, 0));
  EXPECT_EQ(marks.BookMarks[2], 0);

  marks.Mark(1, 2, 0x1);
  marks.Size(2);  // a text of another size starts unmarked
  EXPECT_EQ(marks.WordMarks, Masks(3, 0));
  EXPECT_EQ(marks.BookMarks[1], 0);
  marks.Mark(1, 2, 0x1);
  marks.Clear();
  EXPECT_TRUE(marks.WordMarks.empty());
  EXPECT_EQ(marks.BookMarks[1], 0);
}

TEST_F(MarksTest, EnglishWordMarksEveryCase) {
  engine_->MarkWord(3, Key("god"), 'E');
  EXPECT_EQ(Marked(0x10), (std::vector<std::string>{"1:God", "1:GOD", "1:god", "40:God", "40:God"}));
  EXPECT_EQ(engine_->Marks.BookMarks[1], 0x10);
  EXPECT_EQ(engine_->Marks.BookMarks[40], 0x10);
  EXPECT_EQ(engine_->Marks.BookMarks[2], 0);
}

TEST_F(MarksTest, StrongsNumbersMarkOnlyTheirTestament) {
  engine_->MarkWord(1, 2316, 'G');
  EXPECT_EQ(Marked(0x1), (std::vector<std::string>{"40:God", "40:God", "40:Spirit"}));
  engine_->MarkWord(2, 2316, 'H');
  EXPECT_TRUE(Marked(0x2).empty());
  engine_->MarkWord(2, 430, 'G');
  EXPECT_TRUE(Marked(0x2).empty());
  EXPECT_EQ(engine_->Marks.BookMarks[1], 0);
  engine_->MarkWord(2, 430, 'H');
  EXPECT_EQ(Marked(0x2), (std::vector<std::string>{"1:God", "1:GOD", "1:god"}));
}

TEST_F(MarksTest, AnySlotOfTheLemmaMatches) {
  engine_->MarkWord(1, 2, 'H');
  engine_->MarkWord(2, 8, 'H');
  engine_->MarkWord(4, 4, 'H');
  EXPECT_EQ(Marked(0x1), (std::vector<std::string>{"1:saw", "1:four"}));
  EXPECT_EQ(Marked(0x2), (std::vector<std::string>{"1:saw"}));
  EXPECT_EQ(Marked(0x4), (std::vector<std::string>{"1:four"}));
}

TEST_F(MarksTest, TermsThatMatchNothing) {
  engine_->MarkWord(0, Key("god"), 'E');
  engine_->MarkWord(15, Key("god"), 'E');
  engine_->MarkWord(1, Key("god"), 'X');
  engine_->MarkWord(1, Key("god") | 0x8000, 'E');  // the key is matched as given
  engine_->MarkWord(1, 430 + 32768, 'H');           // no wrap to 430
  engine_->MarkWord(1, 0, 'H');
  EXPECT_TRUE(NoMarks());
}

TEST_F(MarksTest, MarkBookMatchesStaysInItsBook) {
  engine_->MarkBookMatches(40, 0x0100, Key("god"), 'E');
  EXPECT_EQ(Marked(0x0100), (std::vector<std::string>{"40:God", "40:God"}));
  EXPECT_EQ(engine_->Marks.BookMarks[1], 0);
  EXPECT_EQ(engine_->Marks.BookMarks[40], 0x0100);
  engine_->MarkBookMatches(0, 0x1, Key("god"), 'E');
  engine_->MarkBookMatches(67, 0x1, Key("god"), 'E');
  engine_->MarkBookMatches(2, 0x1, Key("god"), 'E');  // a book without words
  EXPECT_TRUE(Marked(0x1).empty());
}

// What a condition marked is kept by word number, one ascending run per
// term that does not follow the last, each word once; clearing removes the
// bit from those words alone.
TEST(SearchMarks, EachConditionKeepsTheWordsItMarked) {
  using Runs = std::vector<std::vector<std::uint32_t>>;
  auto runs = [](const SearchMarks& marks, int condition) {
    const auto kept = marks.MarkedRuns(condition);
    return Runs(kept.begin(), kept.end());
  };
  SearchMarks marks;
  marks.Size(20);
  const std::vector<std::uint32_t> first{2, 5, 9}, second{3, 5, 12}, third{14, 15};
  marks.Mark(1, first, ConditionMask(2));
  marks.Mark(1, second, ConditionMask(2));   // 5 carries the bit already
  marks.Mark(40, third, ConditionMask(2));  // follows on: the same run
  marks.Mark(1, 5, ConditionMask(3));
  marks.Mark(1, 7, 0x4000 | ConditionMask(3));  // a bit no condition owns is not set
  EXPECT_EQ(runs(marks, 2), (Runs{{2, 5, 9}, {3, 12, 14, 15}}));
  EXPECT_EQ(runs(marks, 3), (Runs{{5, 7}}));
  EXPECT_EQ(marks.WordMarks[5], ConditionMask(2) | ConditionMask(3));
  EXPECT_EQ(marks.WordMarks[7], ConditionMask(3));
  EXPECT_TRUE(marks.MarkedRuns(0).empty());
  EXPECT_TRUE(marks.MarkedRuns(15).empty());

  marks.ClearCondition(2);
  EXPECT_TRUE(runs(marks, 2).empty());
  std::vector<std::uint16_t> expected(21, 0);
  expected[5] = expected[7] = ConditionMask(3);
  EXPECT_EQ(marks.WordMarks, expected);
  EXPECT_EQ(marks.BookMarks[1], ConditionMask(3));
  EXPECT_EQ(marks.BookMarks[40], 0);

  marks.ClearAllMarks();
  EXPECT_EQ(marks.WordMarks, std::vector<std::uint16_t>(21, 0));
  EXPECT_TRUE(runs(marks, 3).empty());
  marks.Mark(1, 9, ConditionMask(2));
  marks.Size(20);  // a new text starts with nothing kept
  EXPECT_TRUE(runs(marks, 2).empty());
}

TEST_F(MarksTest, ClearingOneConditionKeepsTheOthers) {
  engine_->MarkWord(1, Key("god"), 'E');
  engine_->MarkWord(2, 430, 'H');
  engine_->MarkWord(2, 2316, 'G');
  EXPECT_EQ(Marked(0x3), (std::vector<std::string>{"1:God", "1:GOD", "1:god", "40:God", "40:God"}));

  engine_->Marks.ClearCondition(15);
  engine_->Marks.ClearCondition(0);
  EXPECT_EQ(Marked(0x3).size(), 5u);

  engine_->Marks.ClearCondition(1);
  EXPECT_TRUE(Marked(0x1).empty());
  EXPECT_EQ(Marked(0x2).size(), 6u);
  EXPECT_EQ(engine_->Marks.BookMarks[1], 0x2);
  EXPECT_EQ(engine_->Marks.BookMarks[40], 0x2);

  engine_->Marks.ClearAllMarks();
  EXPECT_TRUE(NoMarks());
}

TEST_F(MarksTest, MarksOfAWordAreFoundAgainAfterClearing) {
  engine_->MarkWord(14, Key("love"), 'E');
  engine_->Marks.ClearAllMarks();
  engine_->MarkWord(14, Key("love"), 'E');
  EXPECT_EQ(Marked(0x2000), (std::vector<std::string>{"40:love", "40:love"}));
}

}  // namespace
}  // namespace engine
