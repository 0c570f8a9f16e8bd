#include "data/addin/AddinData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/TextBuilder.h"
#include "support/TempFolder.h"

namespace data {
namespace {

using testing_support::TempFolder;
using List = std::vector<std::uint16_t>;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes += static_cast<char>(value);
  return bytes;
}

// The keys of the fixture's word list: q 1 | qq 2 | the 3 | word 4 | q x5..q x18 5..18.
constexpr char Fixture[] =
    "book 1\n"
    "1:1 the<853> word<1697> the<853>\n"
    "1:2 The<1> word.\n"
    "book 40\n"
    "1:1 the<3588> [word<3056>]\n";

std::string EmptyBooks(int count, const std::string& block) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += block;
  return bytes;
}

TEST(AddinData, WritesBothFilesByteForByte) {
  TempFolder edition;
  const BuildResult built = BuildFixtureEdition(edition.Path(), Fixture);
  ASSERT_TRUE(built.ok) << built.error;
  AddinData addin;
  const BuildResult converted = ConvertEdition(edition.Path(), addin);
  ASSERT_TRUE(converted.ok) << converted.error;
  TempFolder output;
  ASSERT_TRUE(WriteAddinFiles(output.File("lib/"), addin).ok);

  // Each book: a header (0, 0, word count), its word records (key, flags,
  // verse) and an end record of zeros.
  const std::string end = Bytes({0, 0, 0, 0});
  const std::string bible = Bytes({0, 0, 5, 0}) +
                            Bytes({3, 0, 0, 1, 4, 0, 0, 1, 3, 0, 0, 1, 3, 0x80, 0, 2, 4, 0, 0xE0, 2}) + end +
                            EmptyBooks(38, Bytes({0, 0, 0, 0}) + end) +
                            Bytes({0, 0, 2, 0}) + Bytes({3, 0, 0, 1, 4, 0, 0x02, 1}) + end +
                            EmptyBooks(26, Bytes({0, 0, 0, 0}) + end);
  EXPECT_EQ(testing_support::ReadFileBytes(output.File("lib/IxoBible.2005")), bible);

  // Each book: a 0, the place of each word's Strong's number in its key's list
  // (the: 853 twice, then 1; word: 1697), a 0.
  const std::string reference = Bytes({0, 1, 1, 1, 2, 0, 0}) + EmptyBooks(38, Bytes({0, 0})) +
                                Bytes({0, 1, 1, 0}) + EmptyBooks(26, Bytes({0, 0}));
  EXPECT_EQ(testing_support::ReadFileBytes(output.File("lib/IxoReference.2005")), reference);
}

TEST(AddinData, KeepsTheWordsAndTheStrongsListsOfEachKey) {
  TempFolder edition;
  const BuildResult built = BuildFixtureEdition(edition.Path(), Fixture);
  ASSERT_TRUE(built.ok) << built.error;
  AddinData addin;
  ASSERT_TRUE(ConvertEdition(edition.Path(), addin).ok);
  ASSERT_EQ(addin.words.size(), 18u);
  EXPECT_EQ(addin.words[2], "the");
  EXPECT_EQ(addin.words[3], "word");
  ASSERT_EQ(addin.strongs.size(), 18u);
  EXPECT_EQ(addin.strongs[2][0], (List{853, 1}));
  EXPECT_EQ(addin.strongs[2][1], (List{3588}));
  EXPECT_EQ(addin.strongs[3][0], (List{1697}));
  EXPECT_EQ(addin.strongs[3][1], (List{3056}));
  EXPECT_TRUE(addin.strongs[0][0].empty());
}

TEST(AddinData, AListPastItsLastByteGivesTheRareNumbersNone) {
  // One word with the numbers 1 to 255 twice each and 256 once.
  SourceText text;
  SourceVerse verse;
  for (std::uint16_t n = 1; n <= 256; ++n) {
    for (int times = n <= 255 ? 2 : 1; times > 0; --times) verse.words.push_back(SourceWord{"a", 0, {n}});
  }
  text.books.push_back(SourceBook{false, {SourceChapter{{verse}}}});
  TempFolder edition;
  ASSERT_TRUE(BuildFixtureEdition(edition.Path(), text).ok);
  AddinData addin;
  ASSERT_TRUE(ConvertEdition(edition.Path(), addin).ok);

  const std::vector<std::uint16_t>& list = addin.strongs[0][0];
  ASSERT_EQ(list.size(), 255u);
  EXPECT_EQ(list.front(), 1);
  EXPECT_EQ(list.back(), 255);
  // The run of book 1 starts with a 0; then the words in text order.
  EXPECT_EQ(static_cast<std::uint8_t>(addin.reference[1]), 1);
  EXPECT_EQ(static_cast<std::uint8_t>(addin.reference[1 + 2 * 254]), 255);
  EXPECT_EQ(static_cast<std::uint8_t>(addin.reference[1 + 2 * 255]), 0);  // 256
}

TEST(AddinData, RefusesAnEditionThatIsNotWhole) {
  TempFolder edition;
  AddinData addin;
  const BuildResult missing = ConvertEdition(edition.Path(), addin);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find("IxoBible.2011"), std::string::npos) << missing.error;

  const BuildResult built = BuildFixtureEdition(edition.Path(), Fixture);
  ASSERT_TRUE(built.ok) << built.error;
  const std::string text = testing_support::ReadFileBytes(edition.File("IxoBible.2011"));
  const std::string lemma = testing_support::ReadFileBytes(edition.File("IxoLemma.2011"));
  // Cut after book 1's separator and two words: the book runs past the end.
  ASSERT_TRUE(testing_support::WriteFileBytes(edition.File("IxoBible.2011"), text.substr(0, 12)));
  ASSERT_TRUE(testing_support::WriteFileBytes(edition.File("IxoLemma.2011"), lemma.substr(0, 24)));
  const BuildResult cut = ConvertEdition(edition.Path(), addin);
  EXPECT_FALSE(cut.ok);
  EXPECT_NE(cut.error.find("book 1"), std::string::npos) << cut.error;
}

}  // namespace
}  // namespace data
