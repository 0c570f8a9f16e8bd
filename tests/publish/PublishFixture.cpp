#include "PublishFixture.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/IxoFormat.h"
#include "data/TextBuilder.h"
#include "support/TempFolder.h"

namespace publish_test {
namespace {

using data::SourceVerse;
using data::SourceWord;

constexpr std::uint8_t Italic = ixo::FlagItalic;
constexpr std::uint8_t Paren = ixo::FlagParenthesis;
constexpr std::uint8_t Possessive = ixo::FlagPossessive;

SourceWord W(const char* spelling, std::initializer_list<std::uint16_t> strongs = {},
             std::uint8_t flags = 0) {
  return SourceWord{spelling, flags, strongs};
}

data::SourceChapter GenesisOne() {
  return {{
      SourceVerse{{W("In"), W("the"), W("beginning", {7225}), W("God", {430}), W("created", {1254, 853}),
                   W("the"), W("heaven", {8064}), W("and"), W("the"),
                   W("earth", {776}, ixo::PunctuationPeriod)}},
      SourceVerse{{W("And"), W("the"), W("earth", {776}), W("was", {}, Italic), W("without"),
                   W("form", {8414}, ixo::PunctuationComma), W("and"), W("void", {922}, ixo::PunctuationSemicolon),
                   W("and"), W("darkness", {2822}), W("was", {}, Italic), W("upon", {5921}), W("the"),
                   W("deep", {8415}, ixo::PunctuationColon)}},
      SourceVerse{{W("And"), W("God", {430}), W("saw", {7200}), W("the"),
                   W("light", {216}, ixo::PunctuationComma), W("that"), W("it", {}, Italic),
                   W("was", {}, Italic), W("good", {2896}, ixo::PunctuationExclamation)}},
      SourceVerse{{W("Who", {4310}), W("is"), W("the"), W("LORD", {3068}, ixo::PunctuationDash),
                   W("for", {}, Paren), W("his", {}, Paren),
                   W("servant", {5650}, Paren | Possessive | ixo::PunctuationPeriod),
                   W("Moses", {4872}, Possessive), W("God", {430}, ixo::PunctuationQuestion)}},
      SourceVerse{{W("Call", {7121}), W("his"), W("name", {8034}),
                   W("Maher-shalal-hash-baz", {4122}, ixo::PunctuationPeriod)}},
      SourceVerse{{W("Amen", {543}, ixo::PunctuationPeriod)}},
  }};
}

data::SourceChapter OneVerse(std::initializer_list<SourceWord> words) {
  return {{SourceVerse{words}}};
}

}  // namespace

data::SourceText PublishText() {
  data::SourceText text;
  text.books.resize(ixo::BookCount);
  for (int b = 0; b < ixo::BookCount; ++b) text.books[b].greek = b + 1 >= ixo::FirstGreekBook;

  text.books[0].chapters = {
      GenesisOne(),
      {{SourceVerse{{W("Thus"), W("the"), W("heavens", {8064}, ixo::PunctuationPeriod)}},
        SourceVerse{{W("And"), W("God", {430}), W("ended", {3615}, ixo::PunctuationPeriod)}}}},
      OneVerse({W("Amen", {543}, Paren | ixo::PunctuationPeriod)}),
  };
  for (int b = 1; b < ixo::BookCount; ++b) {
    const std::uint16_t number = b + 1 >= ixo::FirstGreekBook ? 2316 : 430;
    text.books[b].chapters = {OneVerse({W("God", {number}, ixo::PunctuationPeriod)})};
  }
  // 300 words: the separator before book 2 holds 0x012C, bytes that read as a
  // word of verse 1 with the parenthesis flag, like the last word of book 1.
  text.books[1].chapters = {OneVerse({})};
  text.books[1].chapters[0].verses[0].words.assign(300, W("God", {430}));
  text.books[ixo::BookCount - 1].chapters = {
      {{SourceVerse{{W("God", {2316}, ixo::PunctuationPeriod)}},
        SourceVerse{{W("Amen", {281}, ixo::PunctuationPeriod)}}}},
      OneVerse({W("Amen", {281}, ixo::PunctuationPeriod)}),
  };
  return text;
}

LoadedText::LoadedText(const std::function<void(const std::string& editionDir)>& patch)
    : installation_(IXOCORE_LIBRARY) {
  const data::BuildResult built = data::BuildFixtureEdition(installation_.EditionDir(), PublishText());
  EXPECT_TRUE(built.ok) << built.error;
  if (patch) patch(installation_.EditionDir());
  previous_ = engine::ReplaceEngine(std::make_unique<engine::TixoEngine>());
  EXPECT_TRUE(engine::Engine().Load()) << "the fixture text does not load";
}

LoadedText::~LoadedText() { engine::ReplaceEngine(std::move(previous_)); }

void GiveWordAnIllegalKey(const std::string& editionDir, std::uint8_t flags) {
  const std::string path = editionDir + ixo::TextFileName;
  std::string text = testing_support::ReadFileBytes(path);
  for (std::size_t at = 0; at + sizeof(ixo::IxoWritten) <= text.size(); at += sizeof(ixo::IxoWritten)) {
    const bool separator = text[at] == 0 && text[at + 1] == 0;
    if (separator || static_cast<std::uint8_t>(text[at + 2]) != flags) continue;
    // Index 16,383 of the list: far beyond the few words of the fixture.
    text[at] = static_cast<char>(0xFF);
    text[at + 1] = static_cast<char>(0x3F);
    ASSERT_TRUE(testing_support::WriteFileBytes(path, text));
    return;
  }
  FAIL() << "no word with the flags " << int{flags};
}

std::string GoldenFile(const std::string& name) { return std::string(IXO_PUBLISH_GOLDEN) + name; }

}  // namespace publish_test
