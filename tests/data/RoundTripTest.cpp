// A built edition read back through the data-file library's word-list classes.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/IxoFormat.h"
#include "core/WORDS.h"
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

}  // namespace
}  // namespace data
