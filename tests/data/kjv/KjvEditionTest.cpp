// Sample verses of the built edition read back as a program reads them: the
// files mapped through the data-file library loaded by path, the words
// rendered by its word-list classes.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "BuiltEdition.h"
#include "core/IxoFormat.h"
#include "core/WORDS.h"
#include "core/ixocore.h"
#include "platform/SharedLibrary.h"

namespace data::kjv {
namespace {

using ixo::IxoWritten;
using ixo::TLemmaRec;

class KjvEdition : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!BuiltEditionPresent()) return;
    library_ = platform::SharedLibrary::Load(IXOCORE_LIBRARY);
    const std::string folder = BuiltEditionFolder();
    auto map = [](const char* name, const std::string& prefix) {
      auto* function = library_.Bind<ixo::MapFunction>(name);
      return function ? function(prefix.c_str()) : nullptr;
    };
    auto count = [](const char* name) {
      auto* function = library_.Bind<ixo::CountFunction>(name);
      return function ? function() : 0;
    };
    auto* text = static_cast<const IxoWritten*>(map("IxoMapText", folder));
    auto* lemmas = static_cast<const TLemmaRec*>(map("IxoMapLemma", folder));
    english_ = static_cast<const char*>(map("IxoMapEnglish", folder));
    if (text) text_ = std::span(text, static_cast<std::size_t>(count("IxoMapTextCnt")));
    if (lemmas) lemmas_ = std::span(lemmas, static_cast<std::size_t>(count("IxoMapLemmaCnt")));
  }

  static void TearDownTestSuite() { library_ = {}; }

  void SetUp() override {
    if (!BuiltEditionPresent()) GTEST_SKIP() << "no edition in " << BuiltEditionFolder();
    ASSERT_TRUE(library_.IsLoaded()) << platform::SharedLibrary::LastError();
    ASSERT_FALSE(text_.empty());
    ASSERT_EQ(lemmas_.size(), text_.size());
    ASSERT_NE(english_, nullptr);
  }

  // The record numbers of one verse, found by the format's rules: books after
  // their separators, a chapter starting where the verse byte falls back to 1.
  static std::vector<std::size_t> Verse(int book, int chapter, int verse) {
    std::size_t separator = 0;
    for (int before = 1; before < book; ++before) separator += 1 + ixo::SeparatorWordCount(text_[separator]);
    const std::size_t end = separator + 1 + ixo::SeparatorWordCount(text_[separator]);
    std::vector<std::size_t> records;
    int chapterNow = 0, previousVerse = 0;
    for (std::size_t record = separator + 1; record < end; ++record) {
      if (text_[record].verse == 1 && previousVerse != 1) ++chapterNow;
      previousVerse = text_[record].verse;
      if (chapterNow == chapter && text_[record].verse == verse) records.push_back(record);
    }
    return records;
  }

  // The verse as the word-list class renders it, italics in square brackets.
  static std::string Render(const std::vector<std::size_t>& records) {
    ixo::EnglishClass english(english_);
    std::string verse;
    for (std::size_t record : records) {
      char word[64];
      const int written = english.WordPunc(text_[record], word, 0, sizeof word, ixo::IxoDisplayMode::Brackets,
                                           ixo::Language::English, ixo::IxoPunctuationStyle::Standard);
      if (!verse.empty()) verse += ' ';
      verse += written > 0 ? std::string(word, written) : "<?>";
    }
    return verse;
  }

  static platform::SharedLibrary library_;
  static std::span<const IxoWritten> text_;
  static std::span<const TLemmaRec> lemmas_;
  static const char* english_;
};

platform::SharedLibrary KjvEdition::library_;
std::span<const IxoWritten> KjvEdition::text_;
std::span<const TLemmaRec> KjvEdition::lemmas_;
const char* KjvEdition::english_ = nullptr;

TEST_F(KjvEdition, SampleVersesReadWordForWordWithTheirPunctuation) {
  struct Sample {
    int book, chapter, verse;
    const char* text;
  };
  const Sample samples[] = {
      {1, 1, 1, "In the beginning God created the heaven and the earth."},
      {43, 3, 16,
       "For God so loved the world, that he gave his only begotten Son, that whosoever believeth in him "
       "should not perish, but have everlasting life."},
      {23, 8, 1,
       "Moreover the LORD said unto me, Take thee a great roll, and write in it with a man's pen concerning "
       "Maher-shalal-hash-baz."},
      // The library writes the dash as "--".
      {2, 32, 32,
       "Yet now, if thou wilt forgive their sin-- and if not, blot me, I pray thee, out of thy book which "
       "thou hast written."},
      {19, 119, 176,
       "I have gone astray like a lost sheep; seek thy servant; for I do not forget thy commandments."},
      // The title of the psalm is not part of verse 1.
      {19, 3, 1, "LORD, how are they increased that trouble me! many [are] they that rise up against me."},
      {1, 1, 4,
       "And God saw the light, that [it was] good: and God divided the light from the darkness."},
      {62, 2, 23,
       "Whosoever denieth the Son, the same hath not the Father: [but he that acknowledgeth the Son hath the "
       "Father also]."},
      {1, 10, 14, "And Pathrusim, and Casluhim, (out of whom came Philistim,) and Caphtorim."},
      {44, 1, 12,
       "Then returned they unto Jerusalem from the mount called Olivet, which is from Jerusalem a sabbath "
       "day's journey."},
  };
  for (const Sample& sample : samples)
    EXPECT_EQ(Render(Verse(sample.book, sample.chapter, sample.verse)), sample.text)
        << "book " << sample.book << " " << sample.chapter << ":" << sample.verse;
}

TEST_F(KjvEdition, WordsCarryTheirStrongsNumbers) {
  constexpr std::uint16_t Greek = ixo::LemmaGreekBit;
  struct Sample {
    int book, chapter, verse;
    std::size_t word;  // from 0 within the verse
    std::vector<std::uint16_t> slots;
  };
  const Sample samples[] = {
      {1, 1, 1, 0, {}},                                              // "In"
      {1, 1, 1, 2, {7225}},                                          // "beginning"
      {1, 1, 1, 3, {430}},                                           // "God"
      {23, 8, 1, 20, {4122}},                                        // "Maher-shalal-hash-baz"
      {43, 3, 16, 1, {Greek | 2316}},                                // "God"
      {43, 3, 16, 4, {Greek | 2889}},                                // "the" of "the world"
      {44, 1, 12, 16, {Greek | 4521, Greek | 2192}},                 // "day's"
  };
  for (const Sample& sample : samples) {
    const std::vector<std::size_t> verse = Verse(sample.book, sample.chapter, sample.verse);
    ASSERT_LT(sample.word, verse.size());
    const TLemmaRec& lemma = lemmas_[verse[sample.word]];
    std::vector<std::uint16_t> slots;
    for (std::uint16_t slot : lemma.slots) {
      if (slot == 0) break;
      slots.push_back(slot);
    }
    EXPECT_EQ(slots, sample.slots) << "book " << sample.book << " " << sample.chapter << ":" << sample.verse
                                   << " word " << sample.word;
  }
}

}  // namespace
}  // namespace data::kjv
