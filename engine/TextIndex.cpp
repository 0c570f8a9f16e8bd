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

// Whether any slot holds number, empty slots or not: a test without branches
// that rules out almost every record before SlotOf looks closer.
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

}  // namespace

std::vector<std::uint32_t> TextIndex::FindKey(std::uint16_t keyNumber) const {
  std::size_t matches = 0;
  std::size_t words = 0;
  for (int b = 1; b <= ixo::BookCount; ++b) {
    words += books_[b].count;
    for (std::uint32_t i = 0; i < books_[b].count; ++i)
      matches += ixo::KeyNumber(books_[b].words[i].key) == keyNumber;
  }

  // A frequent word ("the" is one word in twelve) matches too irregularly for
  // a branch per word to be predicted, so its words are written without one;
  // a rarer word is cheaper with the branch.
  const bool frequent = matches * 64 > words;
  std::vector<std::uint32_t> found(matches + 1);  // the last entry may be written over, never kept
  std::size_t n = 0;
  for (int b = 1; b <= ixo::BookCount && n < matches; ++b) {
    const BookWords& book = books_[b];
    for (std::uint32_t i = 0; i < book.count; ++i) {
      const bool match = ixo::KeyNumber(book.words[i].key) == keyNumber;
      if (frequent) {
        found[n] = book.firstWordNumber + i;
        n += match;
      } else if (match) {
        found[n++] = book.firstWordNumber + i;
      }
    }
  }
  found.pop_back();
  return found;
}

std::vector<StrongsPosting> TextIndex::FindStrongs(bool greek, std::uint16_t number) const {
  std::vector<StrongsPosting> found;
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const BookWords& book = books_[b];
    if (book.greek != greek || !book.lemmas) continue;
    for (std::uint32_t i = 0; i < book.count; ++i) {
      if (!AnySlotHolds(book.lemmas[i], number)) continue;
      const int slot = SlotOf(book.lemmas[i], number);
      if (slot >= 0) found.push_back(StrongsPosting{book.firstWordNumber + i, static_cast<std::uint8_t>(slot)});
    }
  }
  return found;
}

std::vector<LemmaVariant> TextIndex::FindVariants(std::span<const std::uint32_t> words) const {
  // A frequent word has tens of thousands of occurrences but a few hundred
  // variants at most. Per language, the variants are kept packed and sorted
  // as they are found, and the variant of the word before is checked first.
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
  if (keyNumber == 0 || keyNumber > ixo::KeyNumberMask) return {};
  auto found = keys_.find(keyNumber);
  if (found == keys_.end()) found = keys_.emplace(keyNumber, FindKey(keyNumber)).first;
  return found->second;
}

std::span<const StrongsPosting> TextIndex::WordsWithStrongs(bool greek, std::uint16_t number) {
  if (number == 0 || number > ixo::MaxStrongsNumber) return {};
  auto& known = strongs_[greek];
  auto found = known.find(number);
  if (found == known.end()) found = known.emplace(number, FindStrongs(greek, number)).first;
  return found->second;
}

std::span<const LemmaVariant> TextIndex::LemmaVariantsOfKey(std::uint16_t keyNumber) {
  if (keyNumber == 0 || keyNumber > ixo::KeyNumberMask) return {};
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
