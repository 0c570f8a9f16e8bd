// The look-ups of word keys and Strong's numbers over a text built here in
// memory: one Hebrew book of 400 words and one Greek book of four.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "engine/TextIndex.h"

namespace engine {
namespace {

constexpr std::uint16_t Common = 5;  // nearly every word
constexpr std::uint16_t Rare = 7;    // four words
constexpr std::uint16_t Greek = 0x8000;

class TextIndexTest : public ::testing::Test {
 protected:
  TextIndexTest() {
    hebrew_.assign(400, ixo::IxoWritten{Common, 0, 1});
    hebrewLemmas_.assign(400, ixo::TLemmaRec{{0, 0, 0, 0}});
    hebrew_[10].key = Rare | ixo::KeyFirstCapital;
    hebrewLemmas_[10] = {{430, 0, 0, 0}};
    hebrew_[150].key = Rare;
    hebrewLemmas_[150] = {{3068, 430, 0, 0}};
    hebrewLemmas_[20] = {{1, 2, 3, 430}};   // 430 in the fourth slot
    hebrewLemmas_[30] = {{9, 0, 430, 0}};   // after an empty slot: not read
    hebrewLemmas_[40] = {{430, 430, 0, 0}}; // twice in one word

    greek_ = {{Rare, 0, 1}, {Common, 0, 1}, {Common, 0, 1}, {Rare | ixo::KeyAllCapitals, 0, 2}};
    greekLemmas_ = {{{Greek | 430, 0, 0, 0}}, {{Greek | 26, Greek | 3000, 0, 0}}, {{0, 0, 0, 0}},
                    {{Greek | 430, 0, 0, 0}}};

    std::uint32_t next = 1;
    for (int b = 1; b <= ixo::BookCount; ++b) {
      books_[b].firstWordNumber = next;
      books_[b].greek = b >= ixo::FirstGreekBook;
      if (b == 1) books_[b] = {hebrew_.data(), hebrewLemmas_.data(), next, 400, false};
      if (b == 40) books_[b] = {greek_.data(), greekLemmas_.data(), next, 4, true};
      next += books_[b].count;
    }
    index_ = std::make_unique<TextIndex>(books_);
  }

  std::vector<std::uint32_t> Keys(std::uint16_t key) {
    const auto words = index_->WordsWithKey(key);
    return {words.begin(), words.end()};
  }
  std::vector<std::pair<std::uint32_t, int>> Strongs(bool greek, std::uint16_t number) {
    std::vector<std::pair<std::uint32_t, int>> found;
    const auto words = index_->WordsWithStrongs(greek, number);
    const auto places = index_->PlacesOfStrongs(greek, number);
    EXPECT_EQ(words.size(), places.size());
    for (std::size_t i = 0; i < std::min(words.size(), places.size()); ++i) {
      found.emplace_back(words[i], places[i].Slot());
      // Each place carries its word's key number, without the case bits.
      const int book = index_->BookOfWord(words[i]);
      EXPECT_EQ(places[i].Key(), ixo::KeyNumber(index_->Record(book, words[i]).key)) << words[i];
    }
    return found;
  }

  std::vector<ixo::IxoWritten> hebrew_, greek_;
  std::vector<ixo::TLemmaRec> hebrewLemmas_, greekLemmas_;
  std::array<BookWords, ixo::BookCount + 1> books_{};
  std::unique_ptr<TextIndex> index_;
};

TEST_F(TextIndexTest, WordsWithKeyInEveryCase) {
  EXPECT_EQ(Keys(Rare), (std::vector<std::uint32_t>{11, 151, 401, 404}));
  EXPECT_EQ(Keys(Rare), (std::vector<std::uint32_t>{11, 151, 401, 404}));  // kept
  const std::vector<std::uint32_t> common = Keys(Common);
  ASSERT_EQ(common.size(), 400u);
  EXPECT_EQ(common.front(), 1u);
  EXPECT_EQ(common[10], 12u);  // word 11 is the rare one
  EXPECT_EQ(common.back(), 403u);
  EXPECT_TRUE(Keys(6).empty());
  EXPECT_TRUE(Keys(0).empty());
  EXPECT_TRUE(Keys(Rare | ixo::KeyFirstCapital).empty());  // a key number has no case bits
}

TEST_F(TextIndexTest, WordsWithStrongsNumber) {
  using Found = std::vector<std::pair<std::uint32_t, int>>;
  EXPECT_EQ(Strongs(false, 430), (Found{{11, 0}, {21, 3}, {41, 0}, {151, 1}}));
  EXPECT_EQ(Strongs(true, 430), (Found{{401, 0}, {404, 0}}));
  EXPECT_EQ(Strongs(true, 3000), (Found{{402, 1}}));
  EXPECT_TRUE(Strongs(false, 26).empty());
  EXPECT_TRUE(Strongs(false, 0).empty());
  EXPECT_TRUE(Strongs(false, 430 + 32768).empty());
}

TEST_F(TextIndexTest, BooksWithoutLemmasCarryNoNumbers) {
  books_[40].lemmas = nullptr;
  TextIndex index(books_);
  EXPECT_TRUE(index.WordsWithStrongs(true, 430).empty());
  const auto variants = index.LemmaVariantsOfKey(Rare);
  ASSERT_EQ(variants.size(), 3u);
  EXPECT_EQ(variants[2], (LemmaVariant{true, {0, 0, 0, 0}}));
}

TEST_F(TextIndexTest, LemmaVariantsAreDistinctAndSortedHebrewFirst) {
  const auto rare = index_->LemmaVariantsOfKey(Rare);
  const std::vector<LemmaVariant> expected{
      {false, {430, 0, 0, 0}}, {false, {3068, 430, 0, 0}}, {true, {Greek | 430, 0, 0, 0}}};
  EXPECT_EQ(std::vector<LemmaVariant>(rare.begin(), rare.end()), expected);

  const auto common = index_->LemmaVariantsOfKey(Common);
  const std::vector<LemmaVariant> commonExpected{
      {false, {0, 0, 0, 0}},        {false, {1, 2, 3, 430}},   {false, {9, 0, 0, 0}},
      {false, {430, 430, 0, 0}},    {true, {0, 0, 0, 0}},      {true, {Greek | 26, Greek | 3000, 0, 0}}};
  EXPECT_EQ(std::vector<LemmaVariant>(common.begin(), common.end()), commonExpected);
  EXPECT_TRUE(index_->LemmaVariantsOfKey(6).empty());
}

// The keys of a number, for few occurrences and for many (in and out of
// runs of one key, across the whole range of key numbers, some in the fourth
// slot only), against a set of them, and again after other look-ups.
TEST_F(TextIndexTest, KeysWithStrongsAreDistinctAndAscending) {
  constexpr std::uint16_t Many = 777, Few = 778;
  std::vector<std::uint16_t> expectedMany, expectedFourthToo;
  for (std::size_t i = 0; i < hebrew_.size(); ++i) {
    // Runs of three words of one key, keys spread over all key numbers.
    const auto key = static_cast<std::uint16_t>(i == 399 ? ixo::KeyNumberMask : (i / 3 * 331 + 1) % KeyNumberCount);
    hebrew_[i].key = key;
    if (i == 4 || i == 5) {
      hebrewLemmas_[i] = {{Few, 0, 0, 0}};
      continue;
    }
    const bool fourth = i % 50 == 7;  // of keys of their own
    if (fourth) hebrew_[i].key = static_cast<std::uint16_t>(16000 + i);
    hebrewLemmas_[i] = fourth ? ixo::TLemmaRec{{1, 2, 3, Many}} : ixo::TLemmaRec{{Many, 0, 0, 0}};
    if (!fourth) expectedMany.push_back(key);
    expectedFourthToo.push_back(hebrew_[i].key);
  }
  TextIndex index(books_);
  const auto sorted = [](std::vector<std::uint16_t> keys) {
    std::ranges::sort(keys);
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
  };
  const auto keys = [&index](std::uint16_t number, int slots) {
    std::array<std::uint16_t, KeyNumberCount> found;
    const auto of = index.KeysWithStrongs(false, number, slots, found);
    return std::vector<std::uint16_t>(of.begin(), of.end());
  };
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(keys(Many, 4), sorted(expectedFourthToo));
    EXPECT_EQ(keys(Many, 3), sorted(expectedMany));
    EXPECT_EQ(keys(Few, 3), (std::vector<std::uint16_t>{hebrew_[4].key}));  // one key, twice
    EXPECT_TRUE(keys(Few + 1, 4).empty());
  }
}

TEST_F(TextIndexTest, BookOfWord) {
  for (const auto& [word, book] : std::vector<std::pair<std::uint32_t, int>>{
           {0, 0}, {1, 1}, {400, 1}, {401, 40}, {404, 40}, {405, 0}}) {
    EXPECT_EQ(index_->BookOfWord(word), book) << word;
  }
  EXPECT_EQ(index_->Record(40, 404).key, Rare | ixo::KeyAllCapitals);
  EXPECT_EQ(index_->Lemma(1, 151)->slots[0], 3068);
}

}  // namespace
}  // namespace engine
