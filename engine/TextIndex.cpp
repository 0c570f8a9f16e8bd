#include "TextIndex.h"

#include <algorithm>

namespace engine {
namespace {

// The first slot that holds number before the first empty slot; -1 when none does.
int SlotOf(const ixo::TLemmaRec& lemma, std::uint16_t number) {
  for (int slot = 0; slot < ixo::LemmaSlotCount; ++slot) {
    const std::uint16_t held = ixo::LemmaNumber(lemma.slots[slot]);
    if (held == number) return slot;
    if (held == 0) return -1;
  }
  return -1;
}

// Whether any slot holds number, empty slots or not: a test without branches,
// so that a block of records is tested at once before SlotOf looks closer.
bool AnySlotHolds(const ixo::TLemmaRec& lemma, std::uint16_t number) {
  return (ixo::LemmaNumber(lemma.slots[0]) == number) | (ixo::LemmaNumber(lemma.slots[1]) == number) |
         (ixo::LemmaNumber(lemma.slots[2]) == number) | (ixo::LemmaNumber(lemma.slots[3]) == number);
}

// A lemma record's slots up to the first empty one in one number, the first
// slot highest, so that the numbers sort as the slots do.
std::uint64_t PackSlots(const ixo::TLemmaRec& lemma) {
  std::uint64_t packed = 0;
  for (int slot = 0; slot < ixo::LemmaSlotCount && ixo::LemmaNumber(lemma.slots[slot]) != 0; ++slot)
    packed |= std::uint64_t{lemma.slots[slot]} << (16 * (ixo::LemmaSlotCount - 1 - slot));
  return packed;
}

LemmaVariant UnpackSlots(bool greekBook, std::uint64_t packed) {
  LemmaVariant variant{greekBook, {}};
  for (int slot = 0; slot < ixo::LemmaSlotCount; ++slot)
    variant.slots[slot] = static_cast<std::uint16_t>(packed >> (16 * (ixo::LemmaSlotCount - 1 - slot)));
  return variant;
}

constexpr std::size_t KeyEntries = ixo::KeyNumberMask + 1;
constexpr std::size_t StrongsEntries = ixo::MaxStrongsNumber + 1;

// The walks for one term test a block of records at a time, every record of
// it at once (which the compiler does on many records in one instruction),
// and look closer only at the blocks that hold the term: few, for most terms.
constexpr std::uint32_t WalkBlock = 32;

}  // namespace

std::vector<std::uint32_t> TextIndex::FindKey(std::uint16_t keyNumber) const {
  std::vector<std::uint32_t> found;
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const ixo::IxoWritten* const words = books_[b].words;
    const std::uint32_t first = books_[b].firstWordNumber;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t start = 0; start < count; start += WalkBlock) {
      const std::uint32_t end = std::min(count, start + WalkBlock);
      std::uint32_t matches = 0;
      for (std::uint32_t i = start; i < end; ++i) matches += ixo::KeyNumber(words[i].key) == keyNumber;
      if (matches == 0) continue;
      // Every word of the block is written, only a match moves on: a
      // frequent word ("the" is one word in twelve) matches too irregularly
      // for a branch to be predicted. One spare entry takes the last writes.
      std::size_t n = found.size();
      found.resize(n + matches + 1);
      for (std::uint32_t i = start; i < end; ++i) {
        found[n] = first + i;
        n += ixo::KeyNumber(words[i].key) == keyNumber;
      }
      found.pop_back();
    }
  }
  return found;
}

std::vector<StrongsPosting> TextIndex::FindStrongs(bool greek, std::uint16_t number) const {
  std::vector<StrongsPosting> found;
  for (int b = 1; b <= ixo::BookCount; ++b) {
    if (books_[b].greek != greek || !books_[b].lemmas) continue;
    const ixo::TLemmaRec* const lemmas = books_[b].lemmas;
    const std::uint32_t first = books_[b].firstWordNumber;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t start = 0; start < count; start += WalkBlock) {
      const std::uint32_t end = std::min(count, start + WalkBlock);
      std::uint32_t holding = 0;
      for (std::uint32_t i = start; i < end; ++i) holding += AnySlotHolds(lemmas[i], number);
      if (holding == 0) continue;
      for (std::uint32_t i = start; i < end; ++i) {
        const int slot = SlotOf(lemmas[i], number);
        if (slot >= 0) found.push_back(StrongsPosting{first + i, static_cast<std::uint8_t>(slot)});
      }
    }
  }
  return found;
}

// The visits copy what they read of a book into locals: add writes counts and
// items of the same types, which the compiler would otherwise read back from
// the book on every word.
template <typename Add>
void TextIndex::VisitKeys(Add add) const {
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const ixo::IxoWritten* const words = books_[b].words;
    const std::uint32_t first = books_[b].firstWordNumber;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t i = 0; i < count; ++i) add(ixo::KeyNumber(words[i].key), first + i);
  }
}

template <typename Add>
void TextIndex::VisitStrongs(bool greek, Add add) const {
  for (int b = 1; b <= ixo::BookCount; ++b) {
    if (books_[b].greek != greek || !books_[b].lemmas) continue;
    const ixo::TLemmaRec* const lemmas = books_[b].lemmas;
    const std::uint32_t first = books_[b].firstWordNumber;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t i = 0; i < count; ++i) {
      for (int slot = 0; slot < ixo::LemmaSlotCount; ++slot) {
        const std::uint16_t number = ixo::LemmaNumber(lemmas[i].slots[slot]);
        if (number == 0) break;
        if (SlotOf(lemmas[i], number) == slot) add(number, StrongsPosting{first + i, static_cast<std::uint8_t>(slot)});
      }
    }
  }
}

std::vector<LemmaVariant> TextIndex::FindVariants(std::span<const std::uint32_t> words) const {
  // A frequent word has tens of thousands of occurrences but a few hundred
  // variants at most. Per language, the variants are kept packed and sorted
  // as they are found, and the variant of the word before is checked first.
  // Packed, as one number compares several times faster than four slots, and
  // these comparisons are most of the first look-up of a frequent word.
  std::array<std::vector<std::uint64_t>, 2> found;
  std::array<std::uint64_t, 2> last{};
  int book = 1;
  for (const std::uint32_t wordNumber : words) {
    while (book < ixo::BookCount && wordNumber >= books_[book].firstWordNumber + books_[book].count) ++book;
    const ixo::TLemmaRec* lemma = Lemma(book, wordNumber);
    const std::uint64_t packed = lemma ? PackSlots(*lemma) : 0;
    const bool greek = books_[book].greek;
    std::vector<std::uint64_t>& variants = found[greek];
    if (!variants.empty() && last[greek] == packed) continue;
    last[greek] = packed;
    const auto at = std::ranges::lower_bound(variants, packed);
    if (at == variants.end() || *at != packed) variants.insert(at, packed);
  }

  std::vector<LemmaVariant> variants;
  for (const bool greek : {false, true}) {
    for (const std::uint64_t packed : found[greek]) variants.push_back(UnpackSlots(greek, packed));
  }
  return variants;
}

std::span<const std::uint32_t> TextIndex::WordsWithKey(std::uint16_t keyNumber) {
  if (keyNumber == 0 || keyNumber >= KeyEntries) return {};
  return keys_.Of(
      keyNumber, KeyEntries, [this](std::uint16_t key) { return FindKey(key); },
      [this](auto add) { VisitKeys(add); });
}

std::span<const StrongsPosting> TextIndex::WordsWithStrongs(bool greek, std::uint16_t number) {
  if (number == 0 || number >= StrongsEntries) return {};
  return strongs_[greek].Of(
      number, StrongsEntries, [this, greek](std::uint16_t n) { return FindStrongs(greek, n); },
      [this, greek](auto add) { VisitStrongs(greek, add); });
}

std::span<const LemmaVariant> TextIndex::LemmaVariantsOfKey(std::uint16_t keyNumber) {
  if (keyNumber == 0 || keyNumber >= KeyEntries) return {};
  auto found = variants_.find(keyNumber);
  if (found == variants_.end()) found = variants_.emplace(keyNumber, FindVariants(WordsWithKey(keyNumber))).first;
  return found->second;
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
