#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/IxoFormat.h"
#include "data/TextDescription.h"

namespace data {
namespace {

using namespace ixo;

struct Expected {
  std::string spelling;
  std::uint8_t flags;
  std::vector<std::uint16_t> strongs;
};

std::vector<Expected> WordsOf(const SourceVerse& verse) {
  std::vector<Expected> words;
  for (const SourceWord& word : verse.words) words.push_back({word.spelling, word.flags, word.strongs});
  return words;
}

bool operator==(const Expected& a, const Expected& b) {
  return a.spelling == b.spelling && a.flags == b.flags && a.strongs == b.strongs;
}

void PrintTo(const Expected& word, std::ostream* out) {
  *out << word.spelling << "/" << int(word.flags) << "/" << word.strongs.size();
}

TEST(TextDescription, ReadsWordsWithTheirMarks) {
  SourceText text;
  const BuildResult read = ReadTextDescription(
      "# a comment\n"
      "\n"
      "1:1 In the beginning<7225> God<430> created<1254,853>.\n"
      "1:2 And [the earth<776>] was; (LORD's<3068>, Moses'<4872>:) Beth-el!\n"
      "1:3 why? go-- [(it)].\n",
      text);
  ASSERT_TRUE(read.ok) << read.error;
  ASSERT_EQ(text.books.size(), 1u);
  ASSERT_EQ(text.books[0].chapters.size(), 1u);
  const auto& verses = text.books[0].chapters[0].verses;
  ASSERT_EQ(verses.size(), 3u);
  EXPECT_EQ(WordsOf(verses[0]), (std::vector<Expected>{{"In", 0, {}},
                                                      {"the", 0, {}},
                                                      {"beginning", 0, {7225}},
                                                      {"God", 0, {430}},
                                                      {"created", PunctuationPeriod, {1254, 853}}}));
  EXPECT_EQ(WordsOf(verses[1]),
            (std::vector<Expected>{{"And", 0, {}},
                                   {"the", FlagItalic, {}},
                                   {"earth", FlagItalic, {776}},
                                   {"was", PunctuationSemicolon, {}},
                                   {"LORD", FlagParenthesis | FlagPossessive | PunctuationComma, {3068}},
                                   {"Moses", FlagParenthesis | FlagPossessive | PunctuationColon, {4872}},
                                   {"Beth-el", PunctuationExclamation, {}}}));
  EXPECT_EQ(WordsOf(verses[2]),
            (std::vector<Expected>{{"why", PunctuationQuestion, {}},
                                   {"go", PunctuationDash, {}},
                                   {"it", FlagItalic | FlagParenthesis | PunctuationPeriod, {}}}));
}

TEST(TextDescription, BooksChaptersAndLanguages) {
  SourceText text;
  const BuildResult read = ReadTextDescription(
      "1:1 a b\n1:2 c\n2:1 d\n"
      "book 3\n1:1 e\n"
      "book 40\n1:1 f\n1:2 g\n",
      text);
  ASSERT_TRUE(read.ok) << read.error;
  ASSERT_EQ(text.books.size(), 40u);
  EXPECT_EQ(text.books[0].chapters.size(), 2u);
  EXPECT_EQ(text.books[0].chapters[0].verses.size(), 2u);
  EXPECT_TRUE(text.books[1].chapters.empty());
  EXPECT_FALSE(text.books[2].greek);
  EXPECT_EQ(text.books[2].chapters[0].verses[0].words[0].spelling, "e");
  EXPECT_TRUE(text.books[38].chapters.empty());
  EXPECT_TRUE(text.books[39].greek);
  EXPECT_EQ(text.books[39].chapters[0].verses.size(), 2u);
}

TEST(TextDescription, RefusesWhatItCannotRead) {
  const std::pair<const char*, const char*> cases[] = {
      {"1:2 a", "line 1: verse 1:2 does not follow the start of the book"},
      {"1:1 a\n2:2 b", "line 2: verse 2:2 does not follow 1:1"},
      {"1:1 a\n1:1 b", "line 2: verse 1:1 does not follow 1:1"},
      {"one a", "line 1: a verse line begins with chapter:verse, not \"one\""},
      {"book 2\nbook 1", "line 2: book 1 comes after book 2; books come in order"},
      {"book 67", "line 1: \"book\" needs a book number from 1 to 66"},
      {"book", "line 1: \"book\" needs a book number from 1 to 66"},
      {"1:1 [a b", "an italic run \"[\" is not closed"},
      {"1:1 (a b", "a parenthesis \"(\" is not closed"},
      {"1:1 a)", "line 1: \"a)\" closes a run that is not open"},
      {"1:1 [a [b]", "line 1: \"[b]\" opens a run inside another"},
      {"1:1 a,.", "line 1: \"a,.\" has two punctuation marks"},
      {"1:1 a%", "line 1: \"a%\" has \"%\" after its word"},
      {"1:1 don't", "line 1: \"don't\" has \"t\" after its word"},
      {"1:1 <430>", "line 1: \"<430>\" has no word"},
      {"1:1 a<430", "line 1: \"a<430\" does not close its Strong's numbers"},
      {"1:1 a<4x>", "line 1: \"a<4x>\" has a Strong's number that is not a number"},
  };
  for (const auto& [description, error] : cases) {
    SourceText text;
    const BuildResult read = ReadTextDescription(description, text);
    EXPECT_FALSE(read.ok) << description;
    EXPECT_EQ(read.error, error) << description;
  }
}

}  // namespace
}  // namespace data
