// The engine library built from the KJV, through its seven entry points as the
// add-in binds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <string>

#include "core/IxoFormat.h"
#include "platform/SharedLibrary.h"
#include "support/TempFolder.h"
#include "wordaddin/EngineLibrary.h"

namespace {

using namespace wordaddin;

class EngineLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library.IsLoaded()) << platform::SharedLibrary::LastError();
    entries = EngineEntries::Bind(library);
    ASSERT_TRUE(entries.Complete());
  }

  std::string Display(std::uint16_t key, std::uint8_t flags = 0) {
    const ixo::IxoWritten record{key, flags, 1};
    return entries.engWordCase(&record);
  }

  platform::SharedLibrary library = platform::SharedLibrary::Load(ENGINE_LIBRARY);
  EngineEntries entries;
};

TEST_F(EngineLibrary, HandsOutTheBookTable) {
  const TBookMatchRec* books = entries.GetBookMatch();
  ASSERT_NE(books, nullptr);
  EXPECT_STREQ(books[0].FullName, "Genesis");
  EXPECT_EQ(std::string(books[0].Abbrev1, books[0].Abbrev1Len), "Ge");
  EXPECT_EQ(books[0].Abbrev2Len, 0u);
  EXPECT_STREQ(books[21].FullName, "Song of Solomon");
  EXPECT_EQ(std::string(books[21].Abbrev2, books[21].Abbrev2Len), "Ca");
  EXPECT_STREQ(books[65].FullName, "Revelation");
}

TEST_F(EngineLibrary, TurnsWordsIntoKeysAndBack) {
  const std::uint16_t beginning = entries.engWordKey("beginning");
  ASSERT_NE(beginning, 0);
  EXPECT_EQ(entries.engWordKey("BeGinning"), beginning);
  EXPECT_STREQ(entries.engWordChr(beginning), "beginning");
  EXPECT_STREQ(entries.engWordChr(beginning | ixo::KeyFirstCapital), "beginning");
  EXPECT_EQ(entries.engWordKey("nosuchword"), 0);
  EXPECT_EQ(entries.engWordKey(""), 0);
  EXPECT_EQ(entries.engWordKey(nullptr), 0);

  // A hyphenated word is found with or without its hyphens, and kept with them.
  const std::uint16_t maher = entries.engWordKey("Mahershalalhashbaz");
  ASSERT_NE(maher, 0);
  EXPECT_EQ(entries.engWordKey("Maher-shalal-hash-baz"), maher);
  EXPECT_STREQ(entries.engWordChr(maher), "maher-shalal-hash-baz");
}

TEST_F(EngineLibrary, DisplaysWordsInTheCaseOfTheirKeys) {
  const std::uint16_t lord = entries.engWordKey("lord");
  EXPECT_EQ(Display(lord), "lord");
  EXPECT_EQ(Display(lord | ixo::KeyFirstCapital), "Lord");
  EXPECT_EQ(Display(lord | ixo::KeyAllCapitals), "LORD");
  EXPECT_EQ(entries.engWordCase(nullptr), std::string());
}

TEST_F(EngineLibrary, KeysRunFromOneToTheKeyMaximum) {
  const std::uint16_t keyMax = entries.engGetKeyMax();
  ASSERT_GT(keyMax, 10000);
  EXPECT_STRNE(entries.engWordChr(keyMax), "");
  EXPECT_STREQ(entries.engWordChr(keyMax + 1), "");
  EXPECT_STREQ(entries.engWordChr(0), "");
  EXPECT_EQ(Display(static_cast<std::uint16_t>(keyMax + 1)), "");

  // Every word of the add-in's text has a key the library knows.
  const std::string bible = testing_support::ReadFileBytes(ADDIN_TEXT_FILE);
  ASSERT_FALSE(bible.empty());
  std::uint16_t highest = 0;
  for (std::size_t at = 0; at + 4 <= bible.size(); at += 4) {
    std::uint16_t key;
    std::memcpy(&key, bible.data() + at, sizeof key);
    highest = std::max(highest, ixo::KeyNumber(key));
  }
  EXPECT_EQ(highest, keyMax);
}

TEST_F(EngineLibrary, HandsOutTheStrongsNumbersOfEachKey) {
  const std::span<const TStrongsEntry> table(entries.engGetStrongsObject(), entries.engGetKeyMax());
  auto holds = [](const std::uint16_t* list, std::uint16_t number) {
    return list && std::find(list + 1, list + 1 + list[0], number) != list + 1 + list[0];
  };
  const TStrongsEntry& beginning = table[entries.engWordKey("beginning") - 1];
  EXPECT_TRUE(holds(beginning.Hebrew, 7225));
  EXPECT_TRUE(holds(beginning.Greek, 746));
  const TStrongsEntry& jesus = table[entries.engWordKey("jesus") - 1];
  EXPECT_TRUE(holds(jesus.Greek, 2424));
  EXPECT_EQ(jesus.Hebrew, nullptr);  // not a word of the Hebrew books
}

TEST_F(EngineLibrary, NamesTheMarkAfterAWord) {
  const struct {
    std::uint8_t flags;
    const char* mark;
  } cases[] = {{ixo::PunctuationNone, ""},       {ixo::PunctuationComma, ","},
               {ixo::PunctuationPeriod | ixo::FlagItalic, "."}, {ixo::PunctuationDash, "--;"}};
  for (const auto& c : cases) {
    const ixo::IxoWritten record{1, c.flags, 1};
    EXPECT_STREQ(entries.engWordPunc(&record), c.mark);
  }
}

}  // namespace
