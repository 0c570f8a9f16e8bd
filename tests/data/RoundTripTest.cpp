// A built edition read back through the data-file library's word-list classes.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/IxoFormat.h"
#include "core/WORDS.h"
#include "core/ixocore.h"
#include "data/TextBuilder.h"
#include "data/TextDescription.h"
#include "support/TempFolder.h"

namespace data {
namespace {

TEST(RoundTrip, EveryWordComesBackWithItsCapitalsHyphensAndMarks) {
  constexpr char description[] =
      "book 1\n"
      "1:1 In the beginning<7225> GOD, the LORD's<3068> [own] Maher-shalal-hash-baz.\n"
      "1:2 I saw Beth-el; O (Moses'<4872>)!\n"
      "book 66\n"
      "1:1 Amen--\n";
  testing_support::TempFolder folder;
  const BuildResult built = BuildFixtureEdition(folder.Path(), description);
  ASSERT_TRUE(built.ok) << built.error;
  std::string list = testing_support::ReadFileBytes(folder.File(ixo::EnglishFileName));
  const std::string textBytes = testing_support::ReadFileBytes(folder.File(ixo::TextFileName));
  std::vector<ixo::IxoWritten> records(textBytes.size() / 4);
  std::memcpy(records.data(), textBytes.data(), textBytes.size());

  SourceText text;
  ASSERT_TRUE(ReadTextDescription(description, text).ok);
  ixo::EnglishClass english(list.data());
  std::size_t at = 0;
  std::string rendered;
  for (const SourceBook& book : text.books) {
    ++at;  // the separator
    for (const SourceChapter& chapter : book.chapters)
      for (const SourceVerse& verse : chapter.verses)
        for (const SourceWord& word : verse.words) {
          const ixo::IxoWritten& record = records[at++];
          char out[32];
          EXPECT_EQ(english.WordCase(record.key, out, sizeof out, ixo::Language::English),
                    word.spelling);
          EXPECT_EQ(english.WordKey(word.spelling.c_str(), 32), ixo::KeyNumber(record.key));
          char buf[64];
          english.WordPunc(record, buf, 0, sizeof buf, ixo::IxoDisplayMode::Brackets,
                           ixo::Language::English, ixo::IxoPunctuationStyle::Standard);
          rendered += std::string(buf) + " ";
        }
  }
  EXPECT_EQ(at + 1, records.size());
  // The text keeps no order between punctuation and a closing parenthesis:
  // the punctuation comes first.
  EXPECT_EQ(rendered,
            "In the beginning GOD, the LORD's [own] Maher-shalal-hash-baz. "
            "I saw Beth-el; O (Moses'!) Amen-- ");
}

// A built edition as a program sees it: mapped by the library, its status file
// made beside the pages, its words decoded through the mapped word list.
TEST(RoundTrip, TheLibraryMapsABuiltEdition) {
  testing_support::TempFolder edition, html;
  const BuildResult built = BuildFixtureEdition(edition.Path(),
                                                "book 43\n"
                                                "1:1 For God<2316> so loved<25> the world<2889>,\n");
  ASSERT_TRUE(built.ok) << built.error;
  const auto* text = static_cast<const ixo::IxoWritten*>(IxoMapText(edition.Path().c_str()));
  const auto* lemmas = static_cast<const ixo::TLemmaRec*>(IxoMapLemma(edition.Path().c_str()));
  const auto* list = static_cast<const char*>(IxoMapEnglish(edition.Path().c_str()));
  const auto* status = static_cast<const std::uint32_t*>(IxoMapStatus(html.Path().c_str()));
  ASSERT_TRUE(text && lemmas && list && status);

  constexpr int Records = 66 + 6 + 1;  // separators, words, the final record
  EXPECT_EQ(IxoMapTextCnt(), Records);
  EXPECT_EQ(IxoMapLemmaCnt(), Records);
  EXPECT_EQ(IxoMapStatusCnt(), Records);
  EXPECT_EQ(static_cast<std::size_t>(IxoMapEnglishCnt()),
            testing_support::ReadFileBytes(edition.File(ixo::EnglishFileName)).size());
  EXPECT_EQ(std::vector<std::uint32_t>(status, status + Records), std::vector<std::uint32_t>(Records, 0));

  constexpr int John = 43 - 1;  // separators of the empty books before it
  EXPECT_EQ(ixo::SeparatorWordCount(text[John]), 6);
  ixo::EnglishClass english(list);
  std::string verse;
  for (int record = John + 1; record <= John + 6; ++record) {
    char word[32];
    english.WordPunc(text[record], word, 0, sizeof word, ixo::IxoDisplayMode::Emphasis,
                     ixo::Language::English, ixo::IxoPunctuationStyle::Standard);
    verse += std::string(word) + (text[record].verse == 1 ? " " : "?");
  }
  EXPECT_EQ(verse, "For God so loved the world, ");
  EXPECT_EQ(lemmas[John + 2].slots[0], ixo::LemmaGreekBit | 2316);
  EXPECT_EQ(lemmas[John + 1].slots[0], 0);
  IxoMapReleaseAll();
}

}  // namespace
}  // namespace data
