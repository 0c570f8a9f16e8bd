#include "TextIndex.h"

#include <algorithm>

namespace engine {
namespace {

constexpr std::size_t KeyEntries = ixo::KeyNumberMask + 1;
constexpr std::size_t StrongsEntries = ixo::MaxStrongsNumber + 1;

// Turns per-entry counts into start offsets (one more entry for the end).
std::vector<std::uint32_t> OffsetsFromCounts(const std::vector<std::uint32_t>& counts) {
  std::vector<std::uint32_t> offsets(counts.size() + 1, 0);
  for (std::size_t i = 0; i < counts.size(); ++i) offsets[i + 1] = offsets[i] + counts[i];
  return offsets;
}

// Calls visit(slot, number) for each number of the lemma record, up to the first empty slot.
template <typename Visit>
void ForEachNumber(const ixo::TLemmaRec& lemma, Visit visit) {
  for (int slot = 0; slot < ixo::LemmaSlotCount; ++slot) {
    const std::uint16_t number = ixo::LemmaNumber(lemma.slots[slot]);
    if (number == 0) return;
    visit(slot, number);
  }
}

}  // namespace

void TextIndex::BuildKeys() {
  std::vector<std::uint32_t> counts(KeyEntries, 0);
  for (int b = 1; b <= ixo::BookCount; ++b)
    for (std::uint32_t i = 0; i < books_[b].count; ++i) ++counts[ixo::KeyNumber(books_[b].words[i].key)];

  keys_.offsets = OffsetsFromCounts(counts);
  keys_.items.resize(keys_.offsets.back());
  std::vector<std::uint32_t> next(keys_.offsets.begin(), keys_.offsets.end() - 1);
  for (int b = 1; b <= ixo::BookCount; ++b)
    for (std::uint32_t i = 0; i < books_[b].count; ++i)
      keys_.items[next[ixo::KeyNumber(books_[b].words[i].key)]++] = books_[b].firstWordNumber + i;
}

void TextIndex::BuildStrongs() {
  std::array<std::vector<std::uint32_t>, 2> counts{std::vector<std::uint32_t>(StrongsEntries, 0),
                                                   std::vector<std::uint32_t>(StrongsEntries, 0)};
  for (int b = 1; b <= ixo::BookCount; ++b) {
    if (!books_[b].lemmas) continue;
    auto& bookCounts = counts[books_[b].greek];
    for (std::uint32_t i = 0; i < books_[b].count; ++i)
      ForEachNumber(books_[b].lemmas[i], [&](int, std::uint16_t number) { ++bookCounts[number]; });
  }

  std::array<std::vector<std::uint32_t>, 2> next;
  for (int language = 0; language < 2; ++language) {
    strongs_[language].offsets = OffsetsFromCounts(counts[language]);
    strongs_[language].items.resize(strongs_[language].offsets.back());
    next[language].assign(strongs_[language].offsets.begin(), strongs_[language].offsets.end() - 1);
  }
  for (int b = 1; b <= ixo::BookCount; ++b) {
    if (!books_[b].lemmas) continue;
    const int language = books_[b].greek;
    for (std::uint32_t i = 0; i < books_[b].count; ++i) {
      ForEachNumber(books_[b].lemmas[i], [&](int slot, std::uint16_t number) {
        strongs_[language].items[next[language][number]++] =
            StrongsPosting{books_[b].firstWordNumber + i, static_cast<std::uint8_t>(slot)};
      });
    }
  }
}

std::span<const std::uint32_t> TextIndex::WordsWithKey(std::uint16_t keyNumber) {
  if (keyNumber >= KeyEntries) return {};
  if (keys_.offsets.empty()) BuildKeys();
  return keys_.Of(keyNumber);
}

std::span<const StrongsPosting> TextIndex::WordsWithStrongs(bool greek, std::uint16_t number) {
  if (number == 0 || number >= StrongsEntries) return {};
  if (strongs_[0].offsets.empty()) BuildStrongs();
  return strongs_[greek].Of(number);
}

std::span<const LemmaVariant> TextIndex::LemmaVariantsOfKey(std::uint16_t keyNumber) {
  if (keyNumber >= KeyEntries) return {};
  if (variants_.empty()) {
    variants_.resize(KeyEntries);
    variantsKnown_.assign(KeyEntries, false);
  }
  std::vector<LemmaVariant>& variants = variants_[keyNumber];
  if (!variantsKnown_[keyNumber]) {
    for (std::uint32_t wordNumber : WordsWithKey(keyNumber)) {
      const int book = BookOfWord(wordNumber);
      LemmaVariant variant{books_[book].greek, {}};
      if (const ixo::TLemmaRec* lemma = Lemma(book, wordNumber))
        ForEachNumber(*lemma, [&](int slot, std::uint16_t) { variant.slots[slot] = lemma->slots[slot]; });
      variants.push_back(variant);
    }
    std::sort(variants.begin(), variants.end());
    variants.erase(std::unique(variants.begin(), variants.end()), variants.end());
    variants.shrink_to_fit();
    variantsKnown_[keyNumber] = true;
  }
  return variants;
}

int TextIndex::BookOfWord(std::uint32_t wordNumber) const {
  // Books follow one another in word numbers, so the last book that starts at
  // or before the word is the only one that can hold it.
  const auto books = books_.subspan(1);
  const auto after = std::ranges::upper_bound(books, wordNumber, {}, &BookWords::firstWordNumber);
  if (after == books.begin()) return 0;
  const int book = static_cast<int>(after - books.begin());
  return wordNumber < books_[book].firstWordNumber + books_[book].count ? book : 0;
}

const ixo::IxoWritten& TextIndex::Record(int book, std::uint32_t wordNumber) const {
  return books_[book].words[wordNumber - books_[book].firstWordNumber];
}

const ixo::TLemmaRec* TextIndex::Lemma(int book, std::uint32_t wordNumber) const {
  const BookWords& words = books_[book];
  return words.lemmas ? &words.lemmas[wordNumber - words.firstWordNumber] : nullptr;
}

}  // namespace engine
