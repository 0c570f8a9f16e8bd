#pragma once
// Where word keys and Strong's numbers occur in the text, found when first
// asked for and kept (TermOccurrences.h), so that the look-ups and the search
// marks touch only the words they concern instead of walking the whole text
// per call.

#include <array>
#include <compare>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "TermOccurrences.h"
#include "core/IxoFormat.h"

namespace engine {

// One book's words as the engine walks them.
struct BookWords {
  const ixo::IxoWritten* words = nullptr;
  const ixo::TLemmaRec* lemmas = nullptr;  // null when the lemma file does not cover the book
  std::uint32_t firstWordNumber = 0;       // the book's WordBase + 1
  std::uint32_t count = 0;                 // its words, up to the first separator
  bool greek = false;                      // its Strong's numbers are Greek
};

// A word that carries a Strong's number, and the first lemma slot (0 to 3)
// that holds it (a number held twice by one word counts once).
struct StrongsPosting {
  std::uint32_t wordNumber = 0;
  std::uint8_t slot = 0;
};

// A distinct lemma record among the occurrences of a word: the language of the
// book it occurs in and its slots up to the first empty one (the rest 0).
struct LemmaVariant {
  bool greekBook = false;
  std::array<std::uint16_t, ixo::LemmaSlotCount> slots{};
  auto operator<=>(const LemmaVariant&) const = default;
};

class TextIndex {
 public:
  // books[1..66]; entry 0 holds nothing. The index keeps the reference.
  explicit TextIndex(std::span<const BookWords, ixo::BookCount + 1> books) : books_(books) {}

  // Word numbers, ascending, of the words whose key has this number (its low 14 bits).
  std::span<const std::uint32_t> WordsWithKey(std::uint16_t keyNumber);
  // The words, by ascending word number, that carry a Strong's number (1 to
  // 32,767) in a lemma slot up to the first empty one, in the books of one
  // language; empty for any other number.
  std::span<const StrongsPosting> WordsWithStrongs(bool greek, std::uint16_t number);
  // The distinct lemma variants of the words whose key has this number, sorted.
  std::span<const LemmaVariant> LemmaVariantsOfKey(std::uint16_t keyNumber);

  // The book (1 to 66) that holds a word number; 0 when none does.
  int BookOfWord(std::uint32_t wordNumber) const;
  // The record and the lemma record (null when none) of a word of that book.
  const ixo::IxoWritten& Record(int book, std::uint32_t wordNumber) const;
  const ixo::TLemmaRec* Lemma(int book, std::uint32_t wordNumber) const;

 private:
  // One term's occurrences, found by a walk of the words of its own.
  std::vector<std::uint32_t> FindKey(std::uint16_t keyNumber) const;
  std::vector<StrongsPosting> FindStrongs(bool greek, std::uint16_t number) const;
  // Every term's occurrences in text order, for the tables: add(term, item).
  template <typename Add>
  void VisitKeys(Add add) const;
  template <typename Add>
  void VisitStrongs(bool greek, Add add) const;

  std::vector<LemmaVariant> FindVariants(std::span<const std::uint32_t> words) const;

  std::span<const BookWords, ixo::BookCount + 1> books_;
  TermOccurrences<std::uint32_t> keys_;
  std::array<TermOccurrences<StrongsPosting>, 2> strongs_;  // Hebrew, Greek
  std::unordered_map<std::uint16_t, std::vector<LemmaVariant>> variants_;
};

}  // namespace engine
