#include "TextIndex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <future>
#include <limits>
#include <numeric>

namespace engine {
namespace {

// A lemma record's slots up to the first empty one in one number, the first
// slot highest, so that the numbers sort as the slots do. Packed without a
// branch, as how many slots a record fills varies from word to word.
std::uint64_t PackSlots(const ixo::TLemmaRec& lemma) {
  std::uint64_t packed = 0;
  std::uint64_t open = 1;  // no empty slot yet
  for (int slot = 0; slot < ixo::LemmaSlotCount; ++slot) {
    open &= ixo::LemmaNumber(lemma.slots[slot]) != 0;
    packed = packed << 16 | (lemma.slots[slot] & (0 - open));
  }
  return packed;
}

LemmaVariant UnpackSlots(bool greekBook, std::uint64_t packed) {
  LemmaVariant variant{greekBook, {}};
  for (int slot = 0; slot < ixo::LemmaSlotCount; ++slot)
    variant.slots[slot] = static_cast<std::uint16_t>(packed >> (16 * (ixo::LemmaSlotCount - 1 - slot)));
  return variant;
}

// A set of packed lemma records: open addressing over a table that doubles
// when half full. 0 (no numbers) is kept apart, as it marks an empty entry.
class PackedSet {
 public:
  void Insert(std::uint64_t packed) {
    // Neighbouring occurrences of a word often carry the same numbers.
    if (hasLast_ && packed == last_) return;
    hasLast_ = true;
    last_ = packed;
    if (packed == 0) {
      hasZero_ = true;
      return;
    }
    if (2 * (count_ + 1) > table_.size()) Grow();
    if (Place(table_, packed)) ++count_;
  }
  std::vector<std::uint64_t> Sorted() const {
    std::vector<std::uint64_t> values;
    if (hasZero_) values.push_back(0);
    for (const std::uint64_t packed : table_)
      if (packed != 0) values.push_back(packed);
    std::ranges::sort(values);
    return values;
  }

 private:
  // Puts packed into table unless it is there; true when it was not.
  static bool Place(std::vector<std::uint64_t>& table, std::uint64_t packed) {
    const std::size_t mask = table.size() - 1;
    for (std::size_t at = (packed * 0x9E3779B97F4A7C15ull) >> 40 & mask;; at = (at + 1) & mask) {
      if (table[at] == packed) return false;
      if (table[at] == 0) {
        table[at] = packed;
        return true;
      }
    }
  }
  void Grow() {
    std::vector<std::uint64_t> larger(std::max<std::size_t>(64, table_.size() * 2), 0);
    for (const std::uint64_t packed : table_)
      if (packed != 0) Place(larger, packed);
    table_.swap(larger);
  }

  std::vector<std::uint64_t> table_;
  std::size_t count_ = 0;
  bool hasZero_ = false;
  bool hasLast_ = false;
  std::uint64_t last_ = 0;  // the last inserted
};

constexpr std::size_t KeyEntries = ixo::KeyNumberMask + 1;
constexpr std::size_t StrongsEntries = ixo::MaxStrongsNumber + 1;

// Calls add(number, slot) for each distinct number of a lemma record in slots
// 1 to 3, up to the first empty one, with the first slot that holds it. Not
// inlined: the compiler would then test slot 0 first, a branch that fails
// half the time.
template <typename Add>
[[gnu::noinline]] void VisitFurtherNumbers(const ixo::TLemmaRec& lemma, Add add) {
  const std::uint16_t n1 = ixo::LemmaNumber(lemma.slots[1]);
  if (n1 == 0) return;
  const std::uint16_t n0 = ixo::LemmaNumber(lemma.slots[0]);
  if (n0 == 0) return;
  if (n1 != n0) add(n1, std::uint8_t{1});
  const std::uint16_t n2 = ixo::LemmaNumber(lemma.slots[2]);
  if (n2 == 0) return;
  if (n2 != n0 && n2 != n1) add(n2, std::uint8_t{2});
  const std::uint16_t n3 = ixo::LemmaNumber(lemma.slots[3]);
  if (n3 == 0) return;
  if (n3 != n0 && n3 != n1 && n3 != n2) add(n3, std::uint8_t{3});
}

// Whether a lemma record may hold more than one number: few do.
inline bool MayHoldFurtherNumbers(const ixo::TLemmaRec& lemma) { return ixo::LemmaNumber(lemma.slots[1]) != 0; }

// Turns counts per term into the offsets of a counting sort: offsets[t] is
// where term t's items begin, offsets[terms] their total.
std::vector<std::uint32_t> OffsetsOf(const std::vector<std::uint32_t>& counts) {
  std::vector<std::uint32_t> offsets(counts.size() + 1, 0);
  for (std::size_t t = 0; t < counts.size(); ++t) offsets[t + 1] = offsets[t] + counts[t];
  return offsets;
}

}  // namespace

std::span<const std::uint32_t> TextIndex::Postings::Words(std::size_t term) const {
  return Of(std::span<const std::uint32_t>(words), term);
}

std::size_t TextIndex::Postings::MemoryBytes() const {
  return offsets.size() * sizeof(std::uint32_t) + words.size() * sizeof(std::uint32_t) + numbered.size() +
         places.size() * sizeof(StrongsPlace);
}

TextIndex::TextIndex(std::span<const BookWords, ixo::BookCount + 1> books) : books_(books) {
  // The two kinds of list read the books and write only their own arrays:
  // the keys are indexed on a thread of their own where the system gives one
  // (otherwise when waited for), beside the numbers on this one. What the
  // keys take is allocated here first: memory that a new thread allocates
  // comes from a heap of its own, fresh (and faulted in anew) at each load.
  std::uint32_t words = 0;
  for (int b = 1; b <= ixo::BookCount; ++b) words += books_[b].count;
  keys_.offsets.assign(KeyEntries + 1, 0);
  keys_.words.resize(words);
  keys_.numbered.resize(words);
  std::vector<std::uint32_t> keyCursors(KeyEntries);
  std::future<void> keys = std::async([this, &keyCursors] { IndexKeys(keyCursors); });
  IndexStrongs(false);
  IndexStrongs(true);
  keys.get();
}

// The walks copy what they read of a book into locals: the writes into the
// lists are of the same types, which the compiler would otherwise read back
// from the book on every word.
void TextIndex::IndexKeys(std::span<std::uint32_t> cursors) {
  // Each key's count goes to the entry after its own, which the sums over
  // the entries then turn into where each key's words begin.
  std::uint32_t* const offsets = keys_.offsets.data();
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const ixo::IxoWritten* const records = books_[b].words;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t i = 0; i < count; ++i) ++offsets[ixo::KeyNumber(records[i].key) + 1];
  }
  std::partial_sum(keys_.offsets.begin(), keys_.offsets.end(), keys_.offsets.begin());
  std::copy(keys_.offsets.begin(), keys_.offsets.end() - 1, cursors.begin());
  std::uint32_t* const nextOf = cursors.data();
  std::uint32_t* const words = keys_.words.data();
  std::uint8_t* const numbered = keys_.numbered.data();
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const ixo::IxoWritten* const records = books_[b].words;
    const ixo::TLemmaRec* const lemmas = books_[b].lemmas;
    const std::uint32_t first = books_[b].firstWordNumber;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t at = nextOf[ixo::KeyNumber(records[i].key)]++;
      words[at] = first + i;
      numbered[at] = lemmas && ixo::LemmaNumber(lemmas[i].slots[0]) != 0;
    }
  }
}

// About half the words carry no number and most of the others one, in no
// order a branch could foretell: slot 0 is counted and placed without a
// branch. A word without a number goes to one of a few spare entries past the
// numbers, in turn, whose counts are dropped and whose places past the end of
// the list are written over: one spare entry would make each such word wait
// for the last one's count.
constexpr std::size_t SpareEntries = 8;

// Written with a mask, as the compiler turns a choice into a branch.
inline std::size_t EntryOfFirstNumber(std::uint16_t n0, std::uint32_t i) {
  const std::size_t none = (std::size_t{n0} - 1) >> (std::numeric_limits<std::size_t>::digits - 1);  // 1 for 0
  return n0 | (-none & (StrongsEntries + i % SpareEntries));
}

void TextIndex::IndexStrongs(bool greek) {
  Postings& postings = strongs_[greek];
  std::vector<std::uint32_t> counts(StrongsEntries + SpareEntries, 0);
  std::uint32_t* const countOf = counts.data();
  for (int b = 1; b <= ixo::BookCount; ++b) {
    if (books_[b].greek != greek || !books_[b].lemmas) continue;
    const ixo::TLemmaRec* const lemmas = books_[b].lemmas;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint16_t n0 = ixo::LemmaNumber(lemmas[i].slots[0]);
      ++countOf[EntryOfFirstNumber(n0, i)];
      if (MayHoldFurtherNumbers(lemmas[i])) [[unlikely]]
        VisitFurtherNumbers(lemmas[i], [countOf](std::uint16_t number, std::uint8_t) { ++countOf[number]; });
    }
  }
  counts.resize(StrongsEntries);
  postings.offsets = OffsetsOf(counts);
  const std::uint32_t total = postings.offsets.back();
  postings.words.resize(total + SpareEntries);
  postings.places.resize(total + SpareEntries);
  // Plain pointers: the writes of bytes could alias anything, which would
  // make the compiler read the vectors' pointers again after each.
  std::vector<std::uint32_t> next(postings.offsets.begin(), postings.offsets.end() - 1);
  for (std::uint32_t spare = 0; spare < SpareEntries; ++spare) next.push_back(total + spare);
  std::uint32_t* const nextOf = next.data();
  std::uint32_t* const words = postings.words.data();
  StrongsPlace* const places = postings.places.data();
  for (int b = 1; b <= ixo::BookCount; ++b) {
    if (books_[b].greek != greek || !books_[b].lemmas) continue;
    const ixo::IxoWritten* const records = books_[b].words;
    const ixo::TLemmaRec* const lemmas = books_[b].lemmas;
    const std::uint32_t first = books_[b].firstWordNumber;
    const std::uint32_t count = books_[b].count;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint16_t n0 = ixo::LemmaNumber(lemmas[i].slots[0]);
      const std::uint16_t key = ixo::KeyNumber(records[i].key);
      const std::size_t entry = EntryOfFirstNumber(n0, i);
      const std::uint32_t at = nextOf[entry];
      words[at] = first + i;
      places[at] = {key};  // slot 0
      nextOf[entry] = at + (n0 != 0);  // a spare place stays
      if (MayHoldFurtherNumbers(lemmas[i])) [[unlikely]] {
        VisitFurtherNumbers(lemmas[i], [nextOf, words, places, wordNumber = first + i, key](std::uint16_t number,
                                                                                       std::uint8_t slot) {
          const std::uint32_t further = nextOf[number]++;
          words[further] = wordNumber;
          places[further] = {static_cast<std::uint16_t>(key | slot << 14)};
        });
      }
    }
  }
  postings.words.resize(total);
  postings.places.resize(total);
}

std::vector<LemmaVariant> TextIndex::FindVariants(std::uint16_t keyNumber) const {
  const std::span<const std::uint32_t> words = keys_.Words(keyNumber);
  const std::span<const std::uint8_t> numbered = keys_.Of(std::span<const std::uint8_t>(keys_.numbered), keyNumber);
  // A frequent word has tens of thousands of occurrences but a few hundred
  // variants at most: per language, the variants are gathered packed in a
  // set, then sorted. Packed, as one number hashes and compares several times
  // faster than four slots.
  //
  // The occurrences' lemma records lie far apart, and reading them one after
  // the other would wait for memory on each: they are read in batches, all of
  // a batch asked for from memory before the first is used.
  constexpr std::size_t Batch = 64;
  std::array<PackedSet, 2> found;
  std::array<const ixo::TLemmaRec*, Batch> lemmas{};
  std::array<bool, Batch> greek{};
  int book = 1;
  for (std::size_t from = 0; from < words.size(); from += Batch) {
    const std::span<const std::uint32_t> batch = words.subspan(from, std::min(Batch, words.size() - from));
    for (std::size_t i = 0; i < batch.size(); ++i) {
      const std::uint32_t wordNumber = batch[i];
      while (book < ixo::BookCount && wordNumber >= books_[book].firstWordNumber + books_[book].count) ++book;
      // Most occurrences of the most frequent words carry no number: their
      // lemma records are not read.
      lemmas[i] = numbered[from + i] ? Lemma(book, wordNumber) : nullptr;
      greek[i] = books_[book].greek;
      if (lemmas[i]) __builtin_prefetch(lemmas[i]);
    }
    for (std::size_t i = 0; i < batch.size(); ++i) found[greek[i]].Insert(lemmas[i] ? PackSlots(*lemmas[i]) : 0);
  }

  std::vector<LemmaVariant> variants;
  for (const bool greek : {false, true}) {
    for (const std::uint64_t packed : found[greek].Sorted()) variants.push_back(UnpackSlots(greek, packed));
  }
  return variants;
}

std::span<const std::uint32_t> TextIndex::WordsWithKey(std::uint16_t keyNumber) const {
  if (keyNumber == 0 || keyNumber >= KeyEntries) return {};
  return keys_.Words(keyNumber);
}

std::span<const std::uint32_t> TextIndex::WordsWithStrongs(bool greek, std::uint16_t number) const {
  if (number == 0 || number >= StrongsEntries) return {};
  return strongs_[greek].Words(number);
}

std::span<const StrongsPlace> TextIndex::PlacesOfStrongs(bool greek, std::uint16_t number) const {
  if (number == 0 || number >= StrongsEntries) return {};
  return strongs_[greek].Of(std::span<const StrongsPlace>(strongs_[greek].places), number);
}

std::span<const std::uint16_t> TextIndex::KeysWithStrongs(bool greek, std::uint16_t number, int slots,
                                                          std::span<std::uint16_t, KeyNumberCount> found) {
  const std::span<const StrongsPlace> places = PlacesOfStrongs(greek, number);
  // A few occurrences are sorted as they are.
  constexpr std::size_t FewPlaces = 16;
  if (places.size() <= FewPlaces) {
    std::size_t count = 0;
    for (const StrongsPlace place : places)
      if (place.Slot() < slots) found[count++] = place.Key();
    const std::span<std::uint16_t> keys = found.first(count);
    std::ranges::sort(keys);
    return keys.first(static_cast<std::size_t>(std::unique(keys.begin(), keys.end()) - keys.begin()));
  }
  // Many (a frequent number has thousands, of a few hundred keys, the same
  // key often several times in a row) are set as bits, without a branch, in
  // two sets that take the occurrences in turn: setting a key's bit then need
  // not wait for the write of the occurrence just before, often of the same
  // key. An occurrence outside the slots sets the bit past the keys.
  std::uint64_t* const even = keysSeen_[0].data();
  std::uint64_t* const odd = keysSeen_[1].data();
  const auto set = [slots](std::uint64_t* seen, StrongsPlace place) {
    const std::size_t key = place.Slot() < slots ? place.Key() : KeyNumberCount;
    seen[key / 64] |= std::uint64_t{1} << (key % 64);
  };
  std::size_t i = 0;
  for (; i + 1 < places.size(); i += 2) {
    set(even, places[i]);
    set(odd, places[i + 1]);
  }
  if (i < places.size()) set(even, places[i]);
  // The bits are read in order of the keys, and cleared. A word's first
  // four keys are written whether it has them or not (the count grows only
  // by those it has, and the next keys write over the rest), so that how many
  // it has is not a branch.
  constexpr std::size_t Unrolled = 4;
  std::size_t count = 0;
  for (std::size_t word = 0; word < KeyNumberCount / 64; ++word) {
    std::uint64_t bits = even[word] | odd[word];
    if (bits == 0) continue;
    even[word] = odd[word] = 0;
    const auto base = static_cast<std::uint16_t>(word * 64);
    if (count + Unrolled <= found.size()) {
      for (std::size_t j = 0; j < Unrolled; ++j, bits &= bits - 1) {
        found[count] = static_cast<std::uint16_t>(base + std::countr_zero(bits));
        count += bits != 0;
      }
    }
    for (; bits != 0; bits &= bits - 1) found[count++] = static_cast<std::uint16_t>(base + std::countr_zero(bits));
  }
  even[KeyNumberCount / 64] = odd[KeyNumberCount / 64] = 0;
  return found.first(count);
}

std::span<const LemmaVariant> TextIndex::LemmaVariantsOfKey(std::uint16_t keyNumber) {
  if (keyNumber == 0 || keyNumber >= KeyEntries) return {};
  auto found = variants_.find(keyNumber);
  if (found == variants_.end()) found = variants_.emplace(keyNumber, FindVariants(keyNumber)).first;
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

std::size_t TextIndex::MemoryBytes() const {
  return keys_.MemoryBytes() + strongs_[0].MemoryBytes() + strongs_[1].MemoryBytes();
}

}  // namespace engine
