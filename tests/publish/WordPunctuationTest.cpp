#include "publish/WordPunctuation.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using ixo::IxoWritten;

constexpr std::uint8_t Paren = ixo::FlagParenthesis;
constexpr std::uint8_t Possessive = ixo::FlagPossessive;

IxoWritten Word(std::uint8_t flags) { return IxoWritten{5, flags, 1}; }

struct Case {
  const char* what;
  std::uint8_t flags;
  std::optional<IxoWritten> previous;  // none: no record before the word
  std::optional<IxoWritten> next;
  char lastChar;
  const char* prefix;
  const char* suffix;
};

// A separator whose count bytes happen to carry every flag bit: it must still
// count as no word.
const IxoWritten SeparatorLikeAFlag = ixo::MakeSeparator(0xFFFF);

const Case cases[] = {
    {"plain word", 0, Word(0), Word(0), 'd', "", ""},
    {"semicolon", ixo::PunctuationSemicolon, Word(0), Word(0), 'd', "", ";"},
    {"comma", ixo::PunctuationComma, Word(0), Word(0), 'd', "", ","},
    {"colon", ixo::PunctuationColon, Word(0), Word(0), 'd', "", ":"},
    {"exclamation", ixo::PunctuationExclamation, Word(0), Word(0), 'd', "", "!"},
    {"dash", ixo::PunctuationDash, Word(0), Word(0), 'd', "", "--;"},
    {"question", ixo::PunctuationQuestion, Word(0), Word(0), 'd', "", "?"},
    {"period", ixo::PunctuationPeriod, Word(0), Word(0), 'd', "", "."},
    {"possessive of a word ending in s", Possessive, Word(0), Word(0), 's', "", "'"},
    {"possessive of a word ending in S", Possessive, Word(0), Word(0), 'S', "", "'"},
    {"possessive of another word", Possessive, Word(0), Word(0), 'n', "", "'s"},
    {"possessive of an empty display word", Possessive, Word(0), Word(0), '\0', "", "'s"},
    {"run of one word", Paren, Word(0), Word(0), 'd', "(", ")"},
    {"run goes on both sides", Paren, Word(Paren), Word(Paren), 'd', "", ""},
    {"run opens", Paren, Word(0), Word(Paren), 'd', "(", ""},
    {"run closes", Paren, Word(Paren), Word(0), 'd', "", ")"},
    {"no record before", Paren, std::nullopt, Word(Paren), 'd', "(", ""},
    {"separator before opens", Paren, SeparatorLikeAFlag, Word(Paren), 'd', "(", ""},
    {"separator after closes", Paren, Word(Paren), SeparatorLikeAFlag, 'd', "", ")"},
    {"neighbours' runs mean nothing to a word outside", 0, Word(Paren), Word(Paren), 'd', "", ""},
    {"possessive, period and close in that order",
     Paren | Possessive | ixo::PunctuationPeriod, Word(Paren), Word(0), 'n', "", "'s.)"},
};

TEST(WordPunctuation, PrefixAndSuffixFromTheFlags) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const IxoWritten word = Word(c.flags);
    const IxoWritten* previous = c.previous ? &*c.previous : nullptr;
    const IxoWritten* next = c.next ? &*c.next : nullptr;
    EXPECT_EQ(publish::WordPrefix(previous, word), c.prefix);
    EXPECT_EQ(publish::WordSuffix(word, next, c.lastChar), c.suffix);
  }
}

}  // namespace
