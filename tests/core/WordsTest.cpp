// The word-list classes, used as a program linked with the library uses them.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/WORDS.h"
#include "core/ixocore.h"
#include "support/TempFolder.h"

namespace ixo {
namespace {

using testing_support::TempFolder;
using testing_support::WriteFileBytes;

// A word list written out byte by byte: byte 0 the maximum length, byte 1
// unread, then for each group its length, 0, its count (u16) and its words as
// stored (a letter with 0x80 added is followed by a hyphen).
std::string ListBytes(const std::vector<std::vector<std::string>>& groups, char maxLength = 18) {
  std::string bytes{maxLength, '\0'};
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const auto count = groups[i].size();
    bytes += {static_cast<char>(i + 1), '\0', static_cast<char>(count & 0xFF),
              static_cast<char>(count >> 8)};
    for (const std::string& word : groups[i]) bytes += word;
  }
  return bytes;
}

std::string Filler(std::size_t length) { return std::string(length, 'q'); }

// Keys: a 1, i 2, o 3 | am 4, be 5, he 6, in 7, of 8 | god 9, the 10 | lord 11 |
// moses 12, abcde- 13 | beth-el 14, heaven 15 | q x7..q x10 16..19 |
// maher-shalal 20 | q x12..q x18 21..27.
const std::string StandardList = ListBytes({
    {"a", "i", "o"},
    {"am", "be", "he", "in", "of"},
    {"god", "the"},
    {"lord"},
    {"moses", "abcd\xE5"},
    {"bet\xE8" "el", "heaven"},
    {Filler(7)}, {Filler(8)}, {Filler(9)}, {Filler(10)},
    {"mahe\xF2shalal"},
    {Filler(12)}, {Filler(13)}, {Filler(14)}, {Filler(15)}, {Filler(16)}, {Filler(17)},
    {Filler(18)},
});

class Words : public testing::Test {
 protected:
  std::string list = StandardList;
  EnglishClass english{list.data()};

  std::string Chr(unsigned short key, int room = 32) {
    std::vector<char> out(static_cast<std::size_t>(room) + 1, '#');
    return english.WordChr(key, out.data(), room, Language::English);
  }
  std::string Cased(unsigned short key, int room = 32) {
    std::vector<char> out(static_cast<std::size_t>(room) + 1, '#');
    return english.WordCase(key, out.data(), room, Language::English);
  }
};

TEST_F(Words, GroupCounts) {
  EXPECT_EQ(english.MaxWordLen(), 18);
  EXPECT_EQ(english.GetEnglishCnt(0), -1);
  EXPECT_EQ(english.GetEnglishCnt(19), -1);
  EXPECT_EQ(english.GetEnglishCnt(1), 3);
  EXPECT_EQ(english.GetEnglishCnt(2), 5);
  EXPECT_EQ(english.GetEnglishCnt(18), 1);
}

TEST_F(Words, WordKeyNumbersAcrossGroups) {
  struct Case {
    const char* word;
    int maxChars;
    unsigned short key;
  };
  const std::string longest = Filler(18);
  const Case cases[] = {
      {"a", 9, 1},         {"o", 9, 3},
      {"be", 9, 5},        {"BE", 9, 5},  // the second word of length 2
      {"God", 9, 9},       {"the", 9, 10},
      {"moses", 9, 12},    {"abcde", 9, 13},
      {"beth-el", 9, 14},  {"bethel", 9, 14},  // hyphens do not count
      {"heaven", 9, 15},   {"maher-shalal", 20, 20},  // 12 characters, 11 letters
      {longest.c_str(), 30, 27},
      {"moses and more", 5, 12},  // maxChars bounds the word
      {"xyz", 9, 0},       {"gods", 9, 0},  // not in their groups
  };
  for (const Case& c : cases) EXPECT_EQ(english.WordKey(c.word, c.maxChars), c.key) << c.word;
}

TEST_F(Words, WordKeyRefusesIllegalLengthsWithoutEndingTheProcess) {
  struct Case {
    const char* word;
    int maxChars;
    const char* pending;
  };
  const std::string nineteen(19, 'z');
  const Case cases[] = {
      {"", 9, "Illegal Word Length (0:)\n"},
      {"moses", 0, "Illegal Word Length (0:)\n"},
      {"---", 9, "Illegal Word Length (0:---)\n"},
      {nullptr, 9, "Illegal Word Length (0:)\n"},
      {nineteen.c_str(), 40, "Illegal Word Length (19:zzzzzzzzzzzzzzzzzzz)\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(english.WordKey(c.word, c.maxChars), 0);
    ASSERT_NE(PendingErrorText(), nullptr);
    EXPECT_STREQ(PendingErrorText(), c.pending);
  }
}

TEST_F(Words, ThePendingTextIsCutToItsBuffer) {
  const std::string longWord(300, 'w');
  EXPECT_EQ(english.WordKey(longWord.c_str(), 300), 0);
  const std::string pending = PendingErrorText();
  EXPECT_EQ(pending.size(), 131u);
  EXPECT_EQ(pending.rfind("Illegal Word Length (300:www", 0), 0u);
}

TEST_F(Words, WordChrGivesTheStoredWord) {
  struct Case {
    unsigned short key;
    const char* text;
  };
  const Case cases[] = {
      {1, "a"},        {5, "be"},  {0x8005, "be"}, {0xC00B, "lord"},
      {13, "abcde-"},  {14, "beth-el"}, {20, "maher-shalal"},
      {27, "qqqqqqqqqqqqqqqqqq"},
  };
  for (const Case& c : cases) EXPECT_EQ(Chr(c.key), c.text) << c.key;
}

TEST_F(Words, AnIllegalKeyLeavesTheBufferAndAPendingText) {
  char out[8] = "untouch";
  EXPECT_STREQ(english.WordChr(28, out, sizeof out, Language::English), "");
  EXPECT_STREQ(out, "untouch");
  EXPECT_STREQ(PendingErrorText(), "Key is Illegal (Key=001C)\n");
  EXPECT_STREQ(english.WordChr(0x801C, out, sizeof out, Language::English), "");
  EXPECT_STREQ(PendingErrorText(), "Key is Illegal (Key=801C)\n");
  EXPECT_STREQ(english.WordChr(0x8000, out, sizeof out, Language::English), "");  // no word
  EXPECT_STREQ(out, "untouch");
}

TEST_F(Words, WordCaseAppliesTheCaseBits) {
  struct Case {
    unsigned short key;
    const char* text;
  };
  const Case cases[] = {
      {0x0005, "be"},      {0x4005, "be"},      {0x8005, "Be"},
      {0xC005, "BE"},      {0xC00E, "BETH-EL"}, {0x800E, "Beth-el"},
      {0x8001, "A"},       {0xC00D, "ABCDE-"},  {0x801C, ""},  // illegal
      {0x8000, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Cased(c.key), c.text) << std::hex << c.key;
}

TEST_F(Words, WordsNeverGoPastTheRoomGiven) {
  // "beth-el" needs 8 bytes with its terminator.
  for (auto lookup : {&EnglishClass::WordChr, &EnglishClass::WordCase}) {
    char out[10];
    std::memset(out, '#', sizeof out);
    EXPECT_STREQ((english.*lookup)(0x800E, out, 7, Language::English), "");
    EXPECT_EQ(std::string(out + 1, 9), std::string(9, '#'));
    std::memset(out, '#', sizeof out);
    (english.*lookup)(0x800E, out, 0, Language::English);
    EXPECT_EQ(std::string(out, 10), std::string(10, '#'));
    EXPECT_EQ(std::strlen((english.*lookup)(0x800E, out, 8, Language::English)), 7u);
    EXPECT_EQ(out[9], '#');
  }
  char out[4];
  EXPECT_EQ(english.stringDecode(out, "ab\xE3" "d", 0, 4, sizeof out), 0);  // "abc-d" needs 6
  EXPECT_STREQ(out, "");
}

TEST_F(Words, CopiesShareTheList) {
  const EnglishClass copy(english);
  EnglishClass assigned(nullptr);
  assigned = english;
  for (EnglishClass other : {copy, assigned}) {
    EXPECT_EQ(other.GetEnglishCnt(2), 5);
    EXPECT_EQ(other.WordKey("maher-shalal", 12), 20);
  }
}

TEST(WordsList, ABadListIsReportedAndFindsNothing) {
  std::string list = StandardList;
  list[0] = 17;
  testing::internal::CaptureStderr();
  EnglishClass english(list.data());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Bad English data file.\n");
  EXPECT_EQ(english.GetEnglishCnt(1), 0);
  EXPECT_EQ(english.WordKey("a", 1), 0);
  char out[8] = "untouch";
  EXPECT_STREQ(english.WordChr(1, out, sizeof out, Language::English), "");
  EXPECT_STREQ(PendingErrorText(), "Key is Illegal (Key=0001)\n");
}

// Over the library's own view the reads stop at the end of the file: a list
// cut short in its last group is reported and holds no groups.
TEST(WordsList, TheLibrarysViewOfAListCutShortIsReported) {
  TempFolder edition;
  const std::string whole = StandardList;
  ASSERT_TRUE(WriteFileBytes(edition.File(EnglishFileName), whole.substr(0, whole.size() - 5)));
  const auto* view = static_cast<const char*>(IxoMapEnglish(edition.Path().c_str()));
  ASSERT_NE(view, nullptr);
  testing::internal::CaptureStderr();
  EnglishClass english(view);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Bad English data file.\n");
  EXPECT_EQ(english.GetEnglishCnt(1), 0);
  EXPECT_EQ(english.GetEnglishCnt(18), 0);
  EXPECT_EQ(english.WordKey("moses", 5), 0);

  // The same bytes whole, as the caller's own copy, index as before.
  EnglishClass copy(whole.data());
  EXPECT_EQ(copy.WordKey("moses", 5), 12);
}

TEST(WordsList, AListOfHighLengthNeverIndexesPastItsGroups) {
  std::string list = StandardList;
  list[0] = static_cast<char>(200);
  testing::internal::CaptureStderr();
  EnglishClass english(list.data());
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(english.MaxWordLen(), 200);
  EXPECT_EQ(english.GetEnglishCnt(150), -1);
}

TEST(WordsList, NoDataGivesNoGroupsAndNoBox) {
  testing::internal::CaptureStderr();
  EnglishClass english(nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(english.MaxWordLen(), 0);
  EXPECT_EQ(english.GetEnglishCnt(1), -1);
  EXPECT_EQ(english.WordKey("a", 1), 0);
}

TEST(WordsList, AnEmptyGroupEndsTheList) {
  const std::string list = ListBytes({{"a"}, {}, {"the"}});
  EnglishClass english(list.data());
  EXPECT_EQ(english.GetEnglishCnt(1), 1);
  EXPECT_EQ(english.GetEnglishCnt(3), 0);
  EXPECT_EQ(english.WordKey("the", 3), 0);
  const std::string firstEmpty = ListBytes({{}, {"am"}});
  EXPECT_EQ(EnglishClass(firstEmpty.data()).GetEnglishCnt(2), 0);
}

// The group in the place of two-letter words says its words have one letter:
// it holds no two-letter word, and its ten bytes are not read as five words
// of two letters each plus what lies after the list.
TEST(WordsList, AGroupOfAnotherLengthHoldsNoWordOfItsPlace) {
  std::string bytes = ListBytes({{"a"}});
  bytes += {1, 0, 10, 0};
  bytes += "bcdefghijk";
  bytes += std::string(4, '\0');  // an empty group ends the list
  const std::vector<char> list(bytes.begin(), bytes.end());  // exactly its size
  EnglishClass english(list.data());
  EXPECT_EQ(english.GetEnglishCnt(2), 10);
  EXPECT_EQ(english.WordKey("zz", 2), 0);
  EXPECT_EQ(english.WordKey("bc", 2), 0);
  char out[8];
  EXPECT_STREQ(english.WordChr(3, out, sizeof out, Language::English), "c");
}

TEST(WordsList, ErrorBoxShowsTheTextThenThePendingTextAndClearsIt) {
  EnglishClass english(nullptr);
  english.WordKey("", 5);
  const std::string caption = "Jan  1 2025\t10:11:12:\tWORDS.cpp @42";
  testing::internal::CaptureStderr();
  ErrorBox("WordKey()", "WORDS.cpp", 42, "Jan  1 2025", "10:11:12");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            caption + ": WordKey()\n" + caption + ": Illegal Word Length (0:)\n\n");
  EXPECT_EQ(PendingErrorText(), nullptr);
  testing::internal::CaptureStderr();
  ErrorBox("again", "WORDS.cpp", 43, "Jan  1 2025", "10:11:12");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Jan  1 2025\t10:11:12:\tWORDS.cpp @43: again\n");
}

// ---- WordPunc ----------------------------------------------------------------

IxoWritten Word(unsigned short key, std::uint8_t flags = 0) { return IxoWritten{key, flags, 1}; }

class Punc : public Words {
 protected:
  // Renders record `at` of a text: a separator, the words, a separator.
  std::string Render(const std::vector<IxoWritten>& words, std::size_t at, IxoDisplayMode mode,
                     int size = 64, int* count = nullptr) {
    std::vector<IxoWritten> text{MakeSeparator(static_cast<std::uint16_t>(words.size()))};
    text.insert(text.end(), words.begin(), words.end());
    text.push_back(MakeSeparator(0));
    std::vector<char> buf(static_cast<std::size_t>(size) + 8, '#');
    const int n = english.WordPunc(text[at + 1], buf.data(), 0, size, mode, Language::English,
                                   IxoPunctuationStyle::Standard);
    EXPECT_EQ(std::string(buf.data() + size, 8), std::string(8, '#')) << "wrote past size";
    if (count) *count = n;
    return buf.data();
  }
};

TEST_F(Punc, PossessivesAndPunctuation) {
  int n = 0;
  EXPECT_EQ(Render({Word(0x800C, FlagPossessive | PunctuationPeriod)}, 0, IxoDisplayMode::Plain,
                   64, &n),
            "Moses'.");
  EXPECT_EQ(n, 7);
  EXPECT_EQ(Render({Word(0x8009, FlagPossessive)}, 0, IxoDisplayMode::Plain, 64, &n), "God's");
  EXPECT_EQ(n, 5);
  // A word in capitals ends in "S" as its lower-case form ends in "s".
  EXPECT_EQ(Render({Word(0xC00C, FlagPossessive)}, 0, IxoDisplayMode::Plain), "MOSES'");
  EXPECT_EQ(Render({Word(0xC00B, FlagPossessive)}, 0, IxoDisplayMode::Plain), "LORD's");
}

TEST_F(Punc, EveryPunctuationCode) {
  const std::pair<std::uint8_t, const char*> marks[] = {
      {PunctuationNone, "the"},       {PunctuationSemicolon, "the;"},
      {PunctuationComma, "the,"},     {PunctuationColon, "the:"},
      {PunctuationExclamation, "the!"}, {PunctuationDash, "the--"},
      {PunctuationQuestion, "the?"},  {PunctuationPeriod, "the."},
  };
  for (const auto& [code, text] : marks)
    EXPECT_EQ(Render({Word(10, code)}, 0, IxoDisplayMode::Plain), text) << int(code);
}

TEST_F(Punc, ItalicRunsInEachMode) {
  const std::vector<IxoWritten> run{Word(10, FlagItalic | PunctuationComma), Word(11, FlagItalic),
                                    Word(0x800C, FlagItalic), Word(9)};
  struct Case {
    IxoDisplayMode mode;
    const char* first;
    const char* middle;
    const char* last;
  };
  const Case cases[] = {
      {IxoDisplayMode::Emphasis, "<em>the,", "lord", "Moses</em>"},
      {IxoDisplayMode::Brackets, "[the,", "lord", "Moses]"},
      {IxoDisplayMode::Plain, "the,", "lord", "Moses"},
      {static_cast<IxoDisplayMode>(7), "the,", "lord", "Moses"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Render(run, 0, c.mode), c.first);
    EXPECT_EQ(Render(run, 1, c.mode), c.middle);
    EXPECT_EQ(Render(run, 2, c.mode), c.last);
    EXPECT_EQ(Render(run, 3, c.mode), "god");
  }
  EXPECT_EQ(Render({Word(9, FlagItalic)}, 0, IxoDisplayMode::Emphasis), "<em>god</em>");
}

TEST_F(Punc, ParenthesesCloseAfterThePunctuation) {
  const std::vector<IxoWritten> run{Word(10, FlagParenthesis),
                                    Word(12, FlagParenthesis | FlagItalic | PunctuationPeriod)};
  EXPECT_EQ(Render(run, 0, IxoDisplayMode::Emphasis), "(the");
  EXPECT_EQ(Render(run, 1, IxoDisplayMode::Emphasis), "<em>moses</em>.)");
  EXPECT_EQ(Render({Word(9, FlagParenthesis | FlagItalic)}, 0, IxoDisplayMode::Brackets),
            "([god])");
}

// The separator before a book keeps its word count where a word keeps flags:
// a count of 2 or 6 must not read as an italic or parenthetical neighbour.
TEST_F(Punc, SeparatorsAreNotNeighboursWithFlags) {
  const IxoWritten word = Word(10, FlagItalic | FlagParenthesis);
  const std::vector<IxoWritten> text{MakeSeparator(6), word, word, word,
                                     word, word, word, MakeSeparator(6)};
  char buf[32];
  auto render = [&](std::size_t at) {
    english.WordPunc(text[at], buf, 0, sizeof buf, IxoDisplayMode::Emphasis, Language::English,
                     IxoPunctuationStyle::Standard);
    return std::string(buf);
  };
  EXPECT_EQ(render(1), "(<em>the");
  EXPECT_EQ(render(3), "the");
  EXPECT_EQ(render(6), "the</em>)");
}

TEST_F(Punc, TooLittleRoomWritesOnlyAnEmptyString) {
  const std::vector<IxoWritten> cases[] = {
      {Word(0x800C, FlagPossessive | PunctuationPeriod)},     // Moses'.
      {Word(0x8009, FlagPossessive)},                         // God's
      {Word(9, FlagParenthesis | FlagItalic | PunctuationDash)},  // (<em>god</em>--)
      {Word(14)},                                             // beth-el
  };
  for (const auto& words : cases) {
    const std::string full = Render(words, 0, IxoDisplayMode::Emphasis);
    const int exact = static_cast<int>(full.size()) + 1;
    for (int size = 1; size < exact; ++size) {
      int n = -1;
      EXPECT_EQ(Render(words, 0, IxoDisplayMode::Emphasis, size, &n), "") << full << " " << size;
      EXPECT_EQ(n, 0);
    }
    int n = -1;
    EXPECT_EQ(Render(words, 0, IxoDisplayMode::Emphasis, exact, &n), full);
    EXPECT_EQ(n, static_cast<int>(full.size()));
  }
}

TEST_F(Punc, WritesAfterPosAndCountsOnlyItsOwnCharacters) {
  const std::vector<IxoWritten> text{MakeSeparator(1), Word(0x8009, PunctuationComma),
                                     MakeSeparator(1), Word(10), MakeSeparator(0)};
  char buf[12] = "And ######";
  auto punc = [&](std::size_t at, int pos, int size) {
    return english.WordPunc(text[at], buf, pos, size, IxoDisplayMode::Plain, Language::English,
                            IxoPunctuationStyle::Standard);
  };
  EXPECT_EQ(punc(1, 4, 9), 4);
  EXPECT_STREQ(buf, "And God,");
  EXPECT_EQ(punc(1, 4, 8), 0);
  EXPECT_STREQ(buf, "And ");
  EXPECT_EQ(punc(2, 0, 12), 0);  // a separator names no word
  EXPECT_STREQ(buf, "");
  std::strcpy(buf, "kept");
  EXPECT_EQ(punc(3, 12, 12), 0);  // pos at the end: not even a terminator fits
  EXPECT_STREQ(buf, "kept");
}

// The first and the last records of a text are separators; rendering them
// must not look at the records outside the text.
TEST_F(Punc, TheEndsOfATextAreNotReadPast) {
  const std::vector<IxoWritten> text{MakeSeparator(1), Word(10), IxoWritten{0x8000, 0x06, 0}};
  char buf[16] = "kept";
  for (const std::size_t at : {std::size_t{0}, std::size_t{2}}) {
    EXPECT_EQ(english.WordPunc(text[at], buf, 0, sizeof buf, IxoDisplayMode::Emphasis,
                               Language::English, IxoPunctuationStyle::Standard),
              0);
    EXPECT_STREQ(buf, "");
  }
}

}  // namespace
}  // namespace ixo
