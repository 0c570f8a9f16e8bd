// The book index, the word cursor, SeekVerse and ChapterVerseCount.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "EngineFixture.h"
#include "engine/BookRecords.h"
#include "engine/TextIndex.h"
#include "engine/TextRecords.h"
#include "engine/ixoutils.h"
#include "platform/Dialogs.h"

namespace engine {
namespace {

using engine_testing::EngineFixture;

// Book 1: chapters of 2, 3 and 2 verses (13 words); book 2: one chapter of one
// verse (3 words); books 3 to 66 are empty.
constexpr char ThreeChapters[] =
    "book 1\n"
    "1:1 a b c\n"
    "1:2 d e\n"
    "2:1 f g\n"
    "2:2 h\n"
    "2:3 i j\n"
    "3:1 k\n"
    "3:2 l m\n"
    "book 2\n"
    "1:1 n o p\n";

std::string WordAt(const TWordCursor& cursor) {
  return cursor.Cur ? KeyToEnglishWord(cursor.Cur->key) : std::string("(none)");
}

class BookIndexTest : public ::testing::Test {
 protected:
  void SetUp() override { engine_ = &fixture_.Load(); }
  EngineFixture fixture_{ThreeChapters};
  TixoEngine* engine_ = nullptr;
};

TEST_F(BookIndexTest, CountsAndRunningSums) {
  struct Expected {
    int book;
    TBookInfoRec info;
  };
  const Expected books[] = {
      {1, {0, 0, 3, 0, 0, 0, 5, 0, 13}},
      {2, {1, 3, 1, 0, 0, 5, 1, 13, 3}},
      {3, {2, 4, 1, 0, 0, 6, 1, 16, 0}},
      {66, {65, 67, 1, 0, 0, 69, 1, 16, 0}},
  };
  for (const Expected& e : books) {
    SCOPED_TRACE(e.book);
    const TBookInfoRec& info = engine_->BookInfo[e.book];
    EXPECT_EQ(info.Ordinal, e.info.Ordinal);
    EXPECT_EQ(info.ChapterBase, e.info.ChapterBase);
    EXPECT_EQ(info.ChapterCount, e.info.ChapterCount);
    EXPECT_EQ(info.Reserved1, 0);
    EXPECT_EQ(info.Reserved2, 0);
    EXPECT_EQ(info.VerseBase, e.info.VerseBase);
    EXPECT_EQ(info.VerseSteps, e.info.VerseSteps);
    EXPECT_EQ(info.WordBase, e.info.WordBase);
    EXPECT_EQ(info.WordCount, e.info.WordCount);
  }
  EXPECT_TRUE(fixture_.Dialogs().Shown().empty());
}

TEST_F(BookIndexTest, BooksStartAtTheirFirstWord) {
  EXPECT_EQ(engine_->BookText[1], engine_->TextData + 1);
  EXPECT_EQ(engine_->BookLemma[1], engine_->LemmaData + 1);
  EXPECT_EQ(engine_->BookText[2], engine_->TextData + 15);
  EXPECT_EQ(engine_->BookLemma[2], engine_->LemmaData + 15);
  EXPECT_EQ(engine_->BookText[3], engine_->TextData + 19);
  EXPECT_EQ(engine_->Marks.WordMarks.size(), 17u);  // words 1 to 16
}

TEST_F(BookIndexTest, CursorWalksOneBookAndNeverASeparator) {
  TWordCursor cursor;
  ASSERT_TRUE(engine_->BookCursor(2, cursor));
  EXPECT_EQ(WordAt(cursor), "n");
  EXPECT_EQ(cursor.Prev, nullptr);
  EXPECT_EQ(cursor.WordNumber(), 14u);
  EXPECT_EQ(cursor.Info, &engine_->BookInfo[2]);
  EXPECT_EQ(cursor.Lemma, engine_->BookLemma[2]);
  EXPECT_FALSE(PrevWord(cursor));
  EXPECT_EQ(WordAt(cursor), "n");

  EXPECT_TRUE(NextWord(cursor));
  EXPECT_TRUE(NextWord(cursor));
  EXPECT_EQ(WordAt(cursor), "p");
  EXPECT_EQ(cursor.Lemma, engine_->BookLemma[2] + 2);
  EXPECT_TRUE(cursor.AtLastWord());
  EXPECT_EQ(cursor.Next, nullptr);
  EXPECT_FALSE(NextWord(cursor));
  EXPECT_EQ(WordAt(cursor), "p");
  EXPECT_EQ(cursor.WordNumber(), 16u);

  ASSERT_TRUE(PrevWord(cursor));
  EXPECT_EQ(WordAt(cursor), "o");
  ASSERT_TRUE(PrevWord(cursor));
  EXPECT_EQ(cursor.Prev, nullptr);  // the separator before the book is no word
  EXPECT_FALSE(PrevWord(cursor));
}

TEST_F(BookIndexTest, BookCursorRefusesOtherBooks) {
  for (int book : {0, 3, 66, 67, -1}) {
    TWordCursor cursor;
    cursor.Cur = engine_->TextData;
    EXPECT_FALSE(engine_->BookCursor(book, cursor)) << book;
    EXPECT_EQ(cursor.Cur, nullptr);
    EXPECT_EQ(cursor.Info, nullptr);
  }
}

TEST_F(BookIndexTest, SeekVerse) {
  struct Case {
    int book, chapter, verse;
    bool found;
    const char* word;
    int verseByte;
  };
  const Case cases[] = {
      {1, 1, 1, true, "a", 1},   {1, 1, 2, true, "d", 2},   {1, 2, 1, true, "f", 1},
      {1, 2, 3, true, "i", 3},   {1, 3, 2, true, "l", 2},   {1, 99, 1, true, "k", 1},
      {1, 1, 999, true, "d", 2}, {1, 2, 9, true, "i", 3},   {1, 99, 99, true, "l", 2},
      {1, 0, 0, true, "a", 1},   {2, 1, 1, true, "n", 1},   {2, 1, 5, true, "n", 1},
      {3, 1, 1, false, "(none)", 0}, {0, 1, 1, false, "(none)", 0}, {67, 1, 1, false, "(none)", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.book << " " << c.chapter << ":" << c.verse);
    TWordCursor cursor;
    EXPECT_EQ(engine_->SeekVerse(c.book, c.chapter, c.verse, cursor), c.found);
    EXPECT_EQ(WordAt(cursor), c.word);
    if (c.found) {
      EXPECT_EQ(cursor.Cur->verse, c.verseByte);
    }
  }
}

TEST_F(BookIndexTest, SeekVerseLeavesACursorThatWalksOn) {
  TWordCursor cursor;
  ASSERT_TRUE(engine_->SeekVerse(1, 2, 1, cursor));
  ASSERT_TRUE(PrevWord(cursor));
  EXPECT_EQ(WordAt(cursor), "e");
  ASSERT_TRUE(NextWord(cursor));
  ASSERT_TRUE(NextWord(cursor));
  EXPECT_EQ(WordAt(cursor), "g");
  EXPECT_EQ(cursor.WordNumber(), 7u);
  EXPECT_EQ(cursor.Lemma, engine_->BookLemma[1] + 6);
}

TEST_F(BookIndexTest, ChapterVerseCount) {
  struct Case {
    int book, chapter;
    int verses;
  };
  const Case cases[] = {{1, 1, 2}, {1, 2, 3}, {1, 3, 2}, {2, 1, 1}};
  for (const Case& c : cases) {
    TWordCursor cursor;
    ASSERT_TRUE(engine_->SeekVerse(c.book, c.chapter, 1, cursor));
    EXPECT_EQ(engine_->ChapterVerseCount(cursor.Cur), c.verses) << c.book << " " << c.chapter;
  }
  TWordCursor verseTwo;
  ASSERT_TRUE(engine_->SeekVerse(1, 1, 2, verseTwo));
  EXPECT_EQ(engine_->ChapterVerseCount(verseTwo.Cur), 0);
  EXPECT_EQ(engine_->ChapterVerseCount(nullptr), 0);
  EXPECT_EQ(engine_->ChapterVerseCount(engine_->TextData), 0);  // a separator
}

TEST(BookIndex, ChapterVerseCountRefusesAGapAfterVerseOne) {
  const auto word = [](std::uint8_t verse) { return ixo::IxoWritten{5, 0, verse}; };
  const ixo::IxoWritten gap[] = {word(1), word(1), word(3), word(4)};
  EXPECT_EQ(ChapterVerseCount(gap), 0);
  const ixo::IxoWritten next[] = {word(1), word(2), word(2), word(3), word(1), word(2)};
  EXPECT_EQ(ChapterVerseCount(next), 3);
}

// The search counts a chapter where the verse byte turns to 1; a drop to
// another verse, or a verse 0 before verse 1, is no new chapter there.
TEST(BookIndex, ChapterOpeningsAreWhereTheVerseTurnsToOne) {
  const auto word = [](std::uint8_t verse) { return ixo::IxoWritten{5, 0, verse}; };
  const ixo::IxoWritten words[] = {word(1), word(1), word(2), word(1), word(3), word(2),
                                   word(0), word(1), word(1), word(2)};
  std::vector<ixo::IxoWritten> text{ixo::MakeSeparator(static_cast<std::uint16_t>(std::size(words)))};
  text.insert(text.end(), std::begin(words), std::end(words));
  TBookInfoRec info;
  EXPECT_EQ(IndexBook(info, nullptr, text, {}).chapterOpenings, (std::vector<std::uint32_t>{3, 7}));
  EXPECT_TRUE(IndexBook(info, nullptr, {}, {}).chapterOpenings.empty());
}

TEST_F(BookIndexTest, ChapterOpeningsOfTheEngine) {
  EXPECT_EQ(std::vector<std::uint32_t>(engine_->ChapterOpenings(1).begin(), engine_->ChapterOpenings(1).end()),
            (std::vector<std::uint32_t>{5, 10}));  // "f" and "k"
  EXPECT_TRUE(engine_->ChapterOpenings(2).empty());
  EXPECT_TRUE(engine_->ChapterOpenings(0).empty());
  EXPECT_TRUE(engine_->ChapterOpenings(67).empty());
}

// A book whose last chapter has one verse, followed by a separator whose count
// bytes (518 = 0x0206) read as flags 0x06 (italic, parenthesis) and verse 2.
std::string LastChapterOfOneVerse() {
  std::string description = "book 1\n1:1 a b\n1:2 c\n2:1 d e\nbook 2\n1:1";
  for (int i = 0; i < 518; ++i) description += " w";
  return description + "\n";
}

TEST(BookIndex, SeparatorAfterABookIsNoWord) {
  EngineFixture fixture(LastChapterOfOneVerse());
  TixoEngine& engine = fixture.Load();
  const ixo::IxoWritten* separator = engine.BookText[2] - 1;
  ASSERT_EQ(separator->flags, 0x06);
  ASSERT_EQ(separator->verse, 0x02);
  EXPECT_EQ(WordFlags(separator), 0);
  EXPECT_EQ(WordVerse(separator), 0);
  EXPECT_FALSE(IsWord(separator));

  EXPECT_EQ(engine.BookInfo[1].ChapterCount, 2);
  EXPECT_EQ(engine.BookInfo[1].VerseSteps, 2);

  TWordCursor cursor;
  ASSERT_TRUE(engine.SeekVerse(1, 2, 2, cursor));
  EXPECT_EQ(WordAt(cursor), "d");
  EXPECT_EQ(engine.ChapterVerseCount(cursor.Cur), 1);
  ASSERT_TRUE(NextWord(cursor));
  EXPECT_EQ(cursor.Next, nullptr);
  EXPECT_FALSE(NextWord(cursor));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

// Every word the text index lists under a key is a word of a book that has
// that key, and it lists each word of the books once.
void ExpectIndexOfTheBooks(TixoEngine& engine) {
  TextIndex& index = engine.WordIndex();
  std::size_t listed = 0;
  for (std::size_t key = 1; key < KeyNumberCount; ++key) {
    for (const std::uint32_t word : index.WordsWithKey(static_cast<std::uint16_t>(key))) {
      const int book = index.BookOfWord(word);
      ASSERT_NE(book, 0) << word;
      EXPECT_EQ(ixo::KeyNumber(index.Record(book, word).key), key) << word;
      ++listed;
    }
  }
  std::size_t words = 0;
  for (int b = 1; b <= ixo::BookCount; ++b) {
    TWordCursor cursor;
    if (!engine.BookCursor(b, cursor)) continue;
    do ++words;
    while (NextWord(cursor));
  }
  EXPECT_EQ(listed, words);
}

TEST(BookIndex, CountThatDiffersFromTheWordsIsReportedAndBoundsTheWalk) {
  EngineFixture fixture(ThreeChapters);
  engine_testing::WriteU16(fixture.EditionFile(ixo::TextFileName), 2, 12);  // book 1 has 13 words
  TixoEngine& engine = fixture.Load();

  const auto& shown = fixture.Dialogs().Shown();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0].text, "WordCnt Error: (13 <> 12)");
  EXPECT_EQ(shown[0].caption, "Ixo Bible Critial Error");
  EXPECT_EQ(engine.BookInfo[1].WordCount, 12u);

  TWordCursor cursor;
  ASSERT_TRUE(engine.BookCursor(1, cursor));
  int words = 1;
  while (NextWord(cursor)) ++words;
  EXPECT_EQ(words, 12);
  EXPECT_EQ(WordAt(cursor), "l");
  ExpectIndexOfTheBooks(engine);
  EXPECT_EQ(engine.Marks.WordMarks.size(),
            std::size_t{engine.BookInfo[66].WordBase} + engine.BookInfo[66].WordCount + 1);
}

TEST(BookIndex, CountBeyondTheWordsStopsAtTheSeparator) {
  EngineFixture fixture(ThreeChapters);
  engine_testing::WriteU16(fixture.EditionFile(ixo::TextFileName), 2, 14);
  TixoEngine& engine = fixture.Load();
  ASSERT_FALSE(fixture.Dialogs().Shown().empty());
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, "WordCnt Error: (13 <> 14)");

  TWordCursor cursor;
  ASSERT_TRUE(engine.BookCursor(1, cursor));
  int words = 1;
  while (NextWord(cursor)) ++words;
  EXPECT_EQ(words, 13);
  EXPECT_EQ(cursor.WordNumber(), 13u);
  ExpectIndexOfTheBooks(engine);
}

TEST(BookIndex, TextCutShortIsIndexedAsFarAsItGoes) {
  EngineFixture fixture(ThreeChapters);
  const std::string text = fixture.EditionFile(ixo::TextFileName);
  std::filesystem::resize_file(text, 4 * 17);  // the separator of book 2 and two of its words
  // The lemma file cut with it: the files are whole, the books are not.
  std::filesystem::resize_file(fixture.EditionFile(ixo::LemmaFileName), 8 * 17);
  TixoEngine& engine = fixture.Load();

  EXPECT_EQ(engine.TextCount, 17);
  EXPECT_EQ(engine.BookInfo[2].WordCount, 2u);
  ASSERT_FALSE(fixture.Dialogs().Shown().empty());
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, "WordCnt Error: (2 <> 3)");
  TWordCursor cursor;
  EXPECT_TRUE(engine.SeekVerse(2, 1, 9, cursor));
  EXPECT_EQ(WordAt(cursor), "n");
  EXPECT_TRUE(NextWord(cursor));
  EXPECT_FALSE(NextWord(cursor));
  EXPECT_FALSE(engine.BookCursor(3, cursor));
  EXPECT_EQ(engine.BookText[3], nullptr);
  ExpectIndexOfTheBooks(engine);
}

TEST(BookIndex, WithoutATextNothingIsLoadedAndTheIndexIsEmpty) {
  EngineFixture fixture(ThreeChapters);
  std::filesystem::remove(fixture.EditionFile(ixo::TextFileName));
  TixoEngine& engine = fixture.Load();
  EXPECT_FALSE(engine.Loaded);
  EXPECT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(engine.TextData, nullptr);
  TWordCursor cursor;
  EXPECT_FALSE(engine.BookCursor(1, cursor));
  EXPECT_FALSE(engine.SeekVerse(1, 1, 1, cursor));
  EXPECT_EQ(engine.BookText[1], nullptr);
  EXPECT_TRUE(engine.Marks.WordMarks.empty());
  engine.MarkWord(1, EnglishWordToKey("a"), 'E');
  engine.Marks.ClearAllMarks();
}

// The book routines over records of a text without an engine, as the add-in
// indexes its own text: no lemma records, and a book whose separator counts
// more words than stand before the next separator.
TEST(BookRecords, IndexAndPlaceOverATextOfTheirOwn) {
  const auto word = [](std::uint16_t key, std::uint8_t verse) { return ixo::IxoWritten{key, 0, verse}; };
  const std::vector<ixo::IxoWritten> text = {
      ixo::MakeSeparator(6), word(1, 1), word(2, 2), word(3, 1), word(4, 2), word(5, 3), ixo::MakeSeparator(0),
      word(9, 1)};
  std::array<TBookInfoRec, ixo::BookCount + 1> info{};
  std::array<BookWords, ixo::BookCount + 1> books{};
  platform::ScopedDialogService dialogs(std::make_shared<platform::RecordingDialogService>());
  books[1] = IndexBook(info[1], nullptr, text, {});

  EXPECT_EQ(info[1].WordCount, 6u);  // the separator's count places the next book
  EXPECT_EQ(books[1].count, 5u);     // the words a cursor walks
  EXPECT_EQ(books[1].words, text.data() + 1);
  EXPECT_EQ(books[1].lemmas, nullptr);
  EXPECT_EQ(books[1].info, &info[1]);
  EXPECT_EQ(books[1].chapterStarts, std::vector<std::uint32_t>{2});
  EXPECT_EQ(BookOfRecord(books, &text[5]), 1);
  EXPECT_EQ(BookOfRecord(books, &text[6]), 0);

  TWordCursor cursor;
  ASSERT_TRUE(SeekVerse(books, 1, 2, 3, cursor));
  EXPECT_EQ(cursor.Cur, &text[5]);
  EXPECT_EQ(cursor.Lemma, nullptr);
  EXPECT_EQ(cursor.Info, &info[1]);
  EXPECT_TRUE(cursor.AtLastWord());
  EXPECT_EQ(ChapterVerseCount(books, &text[3]), 3);
  EXPECT_EQ(ChapterOpenings(books, 1).size(), 1u);
  EXPECT_FALSE(BookCursor(books, 2, cursor));
  EXPECT_EQ(cursor.Cur, nullptr);
}

// Books long enough that verse changes and separators fall before, on and
// after the boundaries of the blocks the walk looks at at once: the counts,
// the words walked and the chapter beginnings are those of a plain walk, kept
// here as the reference.
TEST(BookIndex, LongBooksAreCountedAsAPlainWalkCountsThem) {
  struct Expected {
    std::uint32_t words = 0;
    int chapters = 1;
    int verseSteps = 1;
    std::vector<std::uint32_t> starts, openings;
  };
  const auto plainWalk = [](std::span<const ixo::IxoWritten> after, std::uint32_t limit) {
    Expected expected;
    for (std::size_t i = 0; i < after.size() && !ixo::IsSeparator(after[i]); ++i, ++expected.words) {
      if (i == 0 || after[i].verse == after[i - 1].verse) continue;
      if (after[i].verse == after[i - 1].verse + 1) ++expected.verseSteps;
      if (after[i].verse == 1) ++expected.chapters;
      if (i >= limit) continue;
      if (after[i].verse < after[i - 1].verse) expected.starts.push_back(static_cast<std::uint32_t>(i));
      if (after[i].verse == 1) expected.openings.push_back(static_cast<std::uint32_t>(i));
    }
    return expected;
  };
  struct Case {
    const char* name;
    // One per word; 0 stands for a separator, whose count gives it the verse
    // byte of the word before, so that only its key tells it from a word.
    std::vector<std::uint8_t> verses;
    std::uint16_t stored;              // the count in the book's separator
  };
  std::vector<std::uint8_t> quiet(40, 1);
  std::vector<std::uint8_t> everyWord;
  for (int i = 0; i < 40; ++i) everyWord.push_back(static_cast<std::uint8_t>(1 + i % 3));
  std::vector<std::uint8_t> atBlocks(50, 1);
  for (const std::size_t at : {7u, 8u, 9u, 16u, 23u, 24u, 31u, 33u, 40u, 41u})
    atBlocks[at] = static_cast<std::uint8_t>(1 + at % 5);
  std::vector<std::uint8_t> separatorInBlock(30, 2);
  separatorInBlock[8] = 1;
  separatorInBlock[19] = 0;
  std::vector<std::uint8_t> separatorOnBlock(30, 3);
  separatorOnBlock[16] = 0;
  const Case cases[] = {
      {"one verse", quiet, 40},
      {"a change at every word", everyWord, 40},
      {"changes at and beside block boundaries", atBlocks, 50},
      {"a separator inside a block", separatorInBlock, 19},
      {"a separator on a block boundary", separatorOnBlock, 16},
      {"a stored count below the words", atBlocks, 20},
      {"a stored count above the words", separatorInBlock, 25},
  };
  platform::ScopedDialogService dialogs(std::make_shared<platform::RecordingDialogService>());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ixo::IxoWritten> text{ixo::MakeSeparator(c.stored)};
    for (const std::uint8_t verse : c.verses)
      text.push_back(verse == 0 ? ixo::MakeSeparator(static_cast<std::uint16_t>(text.back().verse << 8))
                                : ixo::IxoWritten{5, 0, verse});
    TBookInfoRec info;
    const BookWords book = IndexBook(info, nullptr, text, {});
    const Expected expected = plainWalk(std::span(text).subspan(1), info.WordCount);
    EXPECT_EQ(book.count, std::min(expected.words, info.WordCount));
    EXPECT_EQ(info.ChapterCount, expected.chapters);
    EXPECT_EQ(info.VerseSteps, expected.verseSteps);
    EXPECT_EQ(book.chapterStarts, expected.starts);
    EXPECT_EQ(book.chapterOpenings, expected.openings);
    TBookInfoRec counted;
    EXPECT_EQ(CountBook(counted, nullptr, text), expected.words);
  }
}

}  // namespace
}  // namespace engine
