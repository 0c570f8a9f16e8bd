#pragma once
// Where every word key and every Strong's number occurs in the text: built
// once over the words of the 66 books (a counting sort of the word records),
// so that the look-ups and the search marks touch only the words they concern
// instead of walking the whole text per call.

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "BookIndex.h"
#include "core/IxoFormat.h"
#include "platform/HugePages.h"

namespace engine {

// A distinct lemma record among the occurrences of a word: the language of the
// book it occurs in and its slots up to the first empty one (the rest 0).
struct LemmaVariant {
  bool greekBook = false;
  std::array<std::uint16_t, ixo::LemmaSlotCount> slots{};
  auto operator<=>(const LemmaVariant&) const = default;
};

// Where a Strong's number stands in a word that carries it: the word's key
// number (its low 14 bits) and the first lemma slot, 0 to 3, that holds the
// number (the top two).
struct StrongsPlace {
  std::uint16_t bits;
  std::uint16_t Key() const { return bits & ixo::KeyNumberMask; }
  int Slot() const { return bits >> 14; }
};

// How many key numbers there are (0 is none).
inline constexpr std::size_t KeyNumberCount = ixo::KeyNumberMask + 1;

class TextIndex {
 public:
  // Indexes books[1..66] (entry 0 holds nothing); the index keeps the
  // reference. The keys are indexed on a second thread while this one indexes
  // the Strong's numbers; both are done when it returns.
  explicit TextIndex(std::span<const BookWords, ixo::BookCount + 1> books);

  // Word numbers, ascending, of the words whose key has this number (its low 14 bits).
  std::span<const std::uint32_t> WordsWithKey(std::uint16_t keyNumber) const;
  // Word numbers, ascending, of the words that carry a Strong's number (1 to
  // 32,767) in a lemma slot up to the first empty one, in the books of one
  // language; empty for any other number.
  std::span<const std::uint32_t> WordsWithStrongs(bool greek, std::uint16_t number) const;
  // For each of those words in the same order, its key number and the first
  // slot that holds the number.
  std::span<const StrongsPlace> PlacesOfStrongs(bool greek, std::uint16_t number) const;
  // The key numbers, ascending and each once, of the words that carry a
  // Strong's number (as WordsWithStrongs) in one of their first `slots` lemma
  // slots; in the first entries of found.
  std::span<const std::uint16_t> KeysWithStrongs(bool greek, std::uint16_t number, int slots,
                                                 std::span<std::uint16_t, KeyNumberCount> found);
  // The distinct lemma variants of the words whose key has this number,
  // sorted, Hebrew books' first; found when first asked for and kept.
  std::span<const LemmaVariant> LemmaVariantsOfKey(std::uint16_t keyNumber);

  // The book (1 to 66) that holds a word number; 0 when none does.
  int BookOfWord(std::uint32_t wordNumber) const;
  // The record and the lemma record (null when none) of a word of that book.
  const ixo::IxoWritten& Record(int book, std::uint32_t wordNumber) const;
  const ixo::TLemmaRec* Lemma(int book, std::uint32_t wordNumber) const {
    const BookWords& words = books_[book];
    return words.lemmas ? &words.lemmas[wordNumber - words.firstWordNumber] : nullptr;
  }

  // The bytes the index holds (the lists and their offsets, without the
  // variants found since).
  std::size_t MemoryBytes() const;

 private:
  // The large arrays, filled once at loading.
  template <typename T>
  using LargeArray = std::vector<T, platform::HugePageAllocator<T>>;

  // The occurrences of the terms of one kind: the items of term t are
  // [offsets[t], offsets[t + 1]).
  struct Postings {
    std::vector<std::uint32_t> offsets;
    LargeArray<std::uint32_t> words;
    LargeArray<std::uint8_t> numbered;  // word keys only: 1 where the word's lemma slot 0 holds a number
    LargeArray<StrongsPlace> places;    // Strong's numbers only
    std::span<const std::uint32_t> Words(std::size_t term) const;
    // The items of term t in an array beside words; none past the terms.
    template <typename T>
    std::span<const T> Of(std::span<const T> items, std::size_t term) const {
      if (term + 1 >= offsets.size()) return {};
      return items.subspan(offsets[term], offsets[term + 1] - offsets[term]);
    }
    std::size_t MemoryBytes() const;
  };

  // Fills the key lists the constructor sized; cursors, one per key number,
  // is room to work in.
  void IndexKeys(std::span<std::uint32_t> cursors);
  void IndexStrongs(bool greek);
  std::vector<LemmaVariant> FindVariants(std::uint16_t keyNumber) const;

  std::span<const BookWords, ixo::BookCount + 1> books_;
  Postings keys_;
  std::array<Postings, 2> strongs_;  // Hebrew, Greek
  std::unordered_map<std::uint16_t, std::vector<LemmaVariant>> variants_;
  // A bit per key number and one past them, in two sets; all clear between
  // calls of KeysWithStrongs.
  using KeySet = std::array<std::uint64_t, KeyNumberCount / 64 + 1>;
  std::array<KeySet, 2> keysSeen_{};
};

}  // namespace engine
