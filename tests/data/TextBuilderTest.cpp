#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/IxoFormat.h"
#include "data/TextBuilder.h"
#include "support/TempFolder.h"

namespace data {
namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes += static_cast<char>(value);
  return bytes;
}

std::string Zeros(std::size_t count) { return std::string(count, '\0'); }

// Two books and 64 empty ones; the word list padded with fillers.
constexpr char GoldenText[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254,853>.\n"
    "1:2 And [the] earth<776>, (LORD's<3068>)\n"
    "2:1 Beth-el<1008>;\n"
    "book 40\n"
    "1:1 The book<976> of Jesus<2424>--\n";

TEST(TextBuilder, WritesTheThreeFilesByteForByte) {
  TempFolder folder;
  const BuildResult built = BuildFixtureEdition(folder.Path(), GoldenText);
  ASSERT_TRUE(built.ok) << built.error;

  // Word list: byte 0 is 18, then one group per length: length, 0, count (u16)
  // and the words in byte order; q fillers where the text has no word. The h
  // of beth-el carries the hyphen bit (0x68 + 0x80).
  // Keys: q 1 | in 2, of 3 | and 4, god 5, the 6 | book 7, lord 8 |
  // earth 9, jesus 10 | beth-el 11 | created 12 | q x8 13 | beginning 14 |
  // q x10..q x18 15..23.
  std::string list = Bytes({18, 0});
  list += Bytes({1, 0, 1, 0}) + "q";
  list += Bytes({2, 0, 2, 0}) + "in" + "of";
  list += Bytes({3, 0, 3, 0}) + "and" + "god" + "the";
  list += Bytes({4, 0, 2, 0}) + "book" + "lord";
  list += Bytes({5, 0, 2, 0}) + "earth" + "jesus";
  list += Bytes({6, 0, 1, 0}) + "bet\xE8" "el";
  list += Bytes({7, 0, 1, 0}) + "created";
  list += Bytes({8, 0, 1, 0}) + "qqqqqqqq";
  list += Bytes({9, 0, 1, 0}) + "beginning";
  for (int length = 10; length <= 18; ++length)
    list += Bytes({length, 0, 1, 0}) + std::string(static_cast<std::size_t>(length), 'q');
  EXPECT_EQ(ReadFileBytes(folder.File("IxoEnglish.2011")), list);

  // Text: key (u16), flags, verse. A separator holds the book's word count.
  std::string text = Bytes({0, 0, 10, 0});  // book 1: 10 words
  text += Bytes({0x02, 0x80, 0x00, 1});     // In: 2 + capital
  text += Bytes({0x06, 0x00, 0x00, 1});     // the
  text += Bytes({0x0E, 0x00, 0x00, 1});     // beginning
  text += Bytes({0x05, 0x80, 0x00, 1});     // God
  text += Bytes({0x0C, 0x00, 0xE0, 1});     // created.
  text += Bytes({0x04, 0x80, 0x00, 2});     // And
  text += Bytes({0x06, 0x00, 0x02, 2});     // [the]
  text += Bytes({0x09, 0x00, 0x40, 2});     // earth,
  text += Bytes({0x08, 0xC0, 0x14, 2});     // (LORD's): all capitals, parenthesis, possessive
  text += Bytes({0x0B, 0x80, 0x20, 1});     // Beth-el; (chapter 2 verse 1)
  text += Zeros(4 * 38);                    // books 2 to 39: empty
  text += Bytes({0, 0, 4, 0});              // book 40: 4 words
  text += Bytes({0x06, 0x80, 0x00, 1});     // The
  text += Bytes({0x07, 0x00, 0x00, 1});     // book
  text += Bytes({0x03, 0x00, 0x00, 1});     // of
  text += Bytes({0x0A, 0x80, 0xA0, 1});     // Jesus--
  text += Zeros(4 * 26);                    // books 41 to 66: empty
  text += Zeros(4);                         // the final record
  EXPECT_EQ(ReadFileBytes(folder.File("IxoBible.2011")), text);

  // Lemma: four u16 slots per text record; Greek numbers with bit 15.
  std::string lemma = Zeros(8);                       // separator
  lemma += Zeros(8) + Zeros(8);                       // In the
  lemma += Bytes({0x39, 0x1C, 0, 0, 0, 0, 0, 0});     // beginning 7225
  lemma += Bytes({0xAE, 0x01, 0, 0, 0, 0, 0, 0});     // God 430
  lemma += Bytes({0xE6, 0x04, 0x55, 0x03, 0, 0, 0, 0});  // created 1254 853
  lemma += Zeros(8) + Zeros(8);                       // And the
  lemma += Bytes({0x08, 0x03, 0, 0, 0, 0, 0, 0});     // earth 776
  lemma += Bytes({0xFC, 0x0B, 0, 0, 0, 0, 0, 0});     // LORD 3068
  lemma += Bytes({0xF0, 0x03, 0, 0, 0, 0, 0, 0});     // Beth-el 1008
  lemma += Zeros(8 * 38);
  lemma += Zeros(8);                                  // separator of book 40
  lemma += Zeros(8);                                  // The
  lemma += Bytes({0xD0, 0x83, 0, 0, 0, 0, 0, 0});     // book G976
  lemma += Zeros(8);                                  // of
  lemma += Bytes({0x78, 0x89, 0, 0, 0, 0, 0, 0});     // Jesus G2424
  lemma += Zeros(8 * 26) + Zeros(8);
  EXPECT_EQ(ReadFileBytes(folder.File("IxoLemma.2011")), lemma);
}

// ---- refused input -------------------------------------------------------------

SourceWord W(std::string spelling, std::vector<std::uint16_t> strongs = {}) {
  return SourceWord{std::move(spelling), 0, std::move(strongs)};
}

SourceText OneVerse(std::vector<SourceWord> words) {
  SourceText text;
  text.books.resize(1);
  text.books[0].chapters.resize(1);
  text.books[0].chapters[0].verses.push_back(SourceVerse{std::move(words)});
  return text;
}

TEST(TextBuilder, RefusesWordsTheFilesCannotHold) {
  struct Case {
    SourceWord word;
    std::string error;
  };
  const Case cases[] = {
      {W(std::string(19, 'a')), "(\"aaaaaaaaaaaaaaaaaaa\"): the word has 19 letters"},
      {W("a-b-c-d-e-f-ghijklmnopq"), "the word has 23 characters; a written word has at most 22"},
      {W("don't"), "the character '''"},
      {W("word2"), "the character '2'"},
      {W("-el"), "begins with a hyphen"},
      {W("el-"), "ends with a hyphen"},
      {W("beth--el"), "two hyphens together"},
      {W(""), "the word is empty"},
      {W("McDonald"), "capitals the text cannot keep"},
      {W("beth-El"), "capitals the text cannot keep"},
      {W("many", {1, 2, 3, 4, 5}), "5 Strong's numbers; a word holds at most 4"},
      {W("zero", {0}), "the Strong's number 0"},
      {W("high", {32768}), "the Strong's number 32768"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const BuildResult built =
        BuildFixtureEdition(folder.Path(), OneVerse({W("In"), W("the"), c.word}));
    EXPECT_FALSE(built.ok) << c.word.spelling;
    EXPECT_NE(built.error.find("book 1 chapter 1 verse 1 word 3"), std::string::npos) << built.error;
    EXPECT_NE(built.error.find(c.error), std::string::npos) << built.error;
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << "nothing is written";
  }
}

TEST(TextBuilder, RefusesShapesTheFilesCannotHold) {
  SourceText emptyVerse = OneVerse({W("a")});
  emptyVerse.books[0].chapters[0].verses.emplace_back();

  SourceText emptyChapter = OneVerse({W("a")});
  emptyChapter.books[0].chapters[0].verses.push_back(SourceVerse{{W("b")}});
  emptyChapter.books[0].chapters.emplace_back();

  SourceText oneVerseChapter = OneVerse({W("a")});
  oneVerseChapter.books[0].chapters.push_back(oneVerseChapter.books[0].chapters[0]);

  SourceText longChapter = OneVerse({W("a")});
  longChapter.books[0].chapters[0].verses.resize(256, SourceVerse{{W("a")}});

  SourceText longBook = OneVerse({});
  longBook.books[0].chapters[0].verses[0].words.resize(65536, W("a"));

  SourceText manyBooks;
  manyBooks.books.resize(67, OneVerse({W("a")}).books[0]);

  // Books 1 to 39 carry Hebrew numbers, books 40 to 66 Greek ones.
  SourceText greekGenesis = OneVerse({W("God", {430})});
  greekGenesis.books[0].greek = true;
  SourceText hebrewMatthew = OneVerse({W("a")});
  hebrewMatthew.books.resize(40);
  hebrewMatthew.books[39] = hebrewMatthew.books[0];

  struct Case {
    const char* name;
    const SourceText* text;
    std::string error;
  };
  const Case cases[] = {
      {"empty verse", &emptyVerse, "book 1 chapter 1 verse 2 has no words"},
      {"empty chapter", &emptyChapter, "book 1 chapter 2 has no verses"},
      {"one-verse chapter", &oneVerseChapter, "book 1 chapter 1 has one verse and another chapter"},
      {"256 verses", &longChapter, "book 1 chapter 1 verse 256: verse numbers go up to 255"},
      {"65,536 words", &longBook, "book 1 has 65536 words; a book holds at most 65,535"},
      {"67 books", &manyBooks, "the text has 67 books"},
      {"Greek numbers in book 1", &greekGenesis,
       "book 1 is given Greek Strong's numbers; books 1 to 39 carry Hebrew numbers"},
      {"Hebrew numbers in book 40", &hebrewMatthew,
       "book 40 is given Hebrew Strong's numbers; books 1 to 39 carry Hebrew numbers and books 40 "
       "to 66 Greek ones"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const BuildResult built = BuildFixtureEdition(folder.Path(), *c.text);
    EXPECT_FALSE(built.ok) << c.name;
    EXPECT_NE(built.error.find(c.error), std::string::npos) << c.name << ": " << built.error;
  }
}

TEST(TextBuilder, WithoutPaddingEveryLengthAndEveryBookIsNeeded) {
  TempFolder folder;
  const SourceText text = OneVerse({W("a"), W("in"), W("the")});
  BuildResult built = BuildEdition(folder.Path(), text);
  EXPECT_FALSE(built.ok);
  EXPECT_NE(built.error.find("the text has 1 books; an edition has 66"), std::string::npos)
      << built.error;

  built = BuildEdition(folder.Path(), text, BuildOptions{.padBooks = true});
  EXPECT_FALSE(built.ok);
  EXPECT_NE(built.error.find("no word of the text has 4 letters; the word list needs a word of "
                             "every length from 1 to 18"),
            std::string::npos)
      << built.error;
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

std::string ThreeLetters(int i) {
  return {static_cast<char>('a' + i / 676), static_cast<char>('a' + i / 26 % 26),
          static_cast<char>('a' + i % 26)};
}

TEST(TextBuilder, TakesTheLimitsThemselves) {
  SourceText text;
  text.books.resize(66);
  SourceBook& book = text.books[0];
  book.chapters.resize(1);
  auto& verses = book.chapters[0].verses;
  verses.resize(255, SourceVerse{{W("verse")}});  // 255 words
  // 18 letters in 22 characters, four numbers up to 32,767.
  verses[0].words.push_back(W("a-b-c-d-efghijklmnopqr", {1, 2, 3, 32767}));
  // 16,383 distinct words: verse, the long one, 16,366 of three letters and
  // the fillers of the 15 other lengths.
  for (int i = 0; i < 16366; ++i) verses[1].words.push_back(W(ThreeLetters(i)));
  verses[254].words.resize(65535 - 255 - 1 - 16366 + 1, W("the"));  // 65,535 words in all
  TempFolder folder;
  BuildResult built = BuildEdition(folder.Path(), text, BuildOptions{.padLengths = true});
  ASSERT_TRUE(built.ok) << built.error;
  const std::string bytes = ReadFileBytes(folder.File("IxoBible.2011"));
  EXPECT_EQ(bytes.substr(0, 4), Bytes({0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(bytes.size(), 4u * (66 + 65535 + 1));

  verses[254].words.pop_back();
  verses[1].words.push_back(W(ThreeLetters(16366)));  // one distinct word too many
  built = BuildEdition(folder.Path(), text, BuildOptions{.padLengths = true});
  EXPECT_FALSE(built.ok);
  EXPECT_NE(built.error.find("16384 distinct words; the word list numbers at most 16,383"),
            std::string::npos)
      << built.error;
}

TEST(TextBuilder, ReplacesAnEditionAtomically) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File("IxoBible.2011"), "old"));
  ASSERT_TRUE(BuildFixtureEdition(folder.Path(), "1:1 In the beginning.").ok);
  EXPECT_EQ(ReadFileBytes(folder.File("IxoBible.2011")).size(), 4u * (66 + 3 + 1));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"IxoBible.2011", "IxoEnglish.2011", "IxoLemma.2011"}));
}

TEST(TextBuilder, CreatesItsFolderAndReportsOneItCannotWrite) {
  TempFolder folder;
  EXPECT_TRUE(BuildFixtureEdition(folder.File("new/edition/"), "1:1 In.").ok);
  EXPECT_TRUE(std::filesystem::exists(folder.File("new/edition/IxoEnglish.2011")));

  ASSERT_TRUE(WriteFileBytes(folder.File("plain"), "a file, not a folder"));
  const BuildResult built = BuildFixtureEdition(folder.File("plain/"), "1:1 In.");
  EXPECT_FALSE(built.ok);
  EXPECT_NE(built.error.find(folder.File("plain")), std::string::npos) << built.error;
}

TEST(TextBuilder, ReportsTheLineOfABadDescription) {
  TempFolder folder;
  const BuildResult built = BuildFixtureEdition(folder.Path(), "book 1\n1:1 In the\n1:3 end.");
  EXPECT_FALSE(built.ok);
  EXPECT_EQ(built.error, "line 3: verse 1:3 does not follow 1:1");
}

}  // namespace
}  // namespace data
