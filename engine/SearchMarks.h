#pragma once
// The search marks of a text: the bit that each of the fourteen search
// conditions owns, and the masks of those bits per word and per book. Both
// engines (the desktop program's and the add-in's) hold one, over their own
// word numbers. Bits 0x4000 and 0x8000 are never used.
//
// Besides the masks, each condition keeps the word numbers it marked, so that
// clearing a condition touches only its words and the search visits only
// marked words. They are kept as ascending runs: each mark that does not
// follow the condition's last one (a further term of the condition) opens a
// run. A word appears once among a condition's runs.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/IxoFormat.h"

namespace engine {

inline constexpr int ConditionCount = 14;

// The bit of condition 1 to 14; 0 for any other condition.
constexpr std::uint16_t ConditionMask(int condition) {
  constexpr std::array<std::uint16_t, ConditionCount + 1> bits{
      0,      0x0001, 0x0002, 0x0010, 0x0004, 0x0020, 0x0040, 0x0080,
      0x0008, 0x0100, 0x0200, 0x0400, 0x0800, 0x1000, 0x2000};
  return condition >= 1 && condition <= ConditionCount ? bits[condition] : 0;
}

class SearchMarks {
 public:
  using Run = std::vector<std::uint32_t>;

  // No words: the word masks empty, every book mask 0.
  void Clear();
  // Masks for the word numbers 1 to lastWordNumber (entry 0 unused), all 0,
  // and every book mask 0.
  void Size(std::uint32_t lastWordNumber);

  // ORs the conditions' bits of mask into the word's mask and into its book's
  // (1 to 66); a word or a book beyond the masks is not marked.
  void Mark(int book, std::uint32_t wordNumber, std::uint16_t mask) {
    Mark(book, std::span<const std::uint32_t>(&wordNumber, 1), mask);
  }
  // The same for words of one book, by ascending word number.
  void Mark(int book, std::span<const std::uint32_t> wordNumbers, std::uint16_t mask);
  // Removes the condition's bit from every word and book; a condition outside
  // 1 to 14 changes nothing.
  void ClearCondition(int condition);
  // Sets every mask to 0.
  void ClearAllMarks();

  // The words that carry the condition's bit, as ascending runs; none for a
  // condition outside 1 to 14.
  std::span<const Run> MarkedRuns(int condition) const;

  // By book, 1 to 66 (entry 0 unused): the OR of its words' marks since the
  // last clearing.
  std::array<std::uint16_t, ixo::BookCount + 1> BookMarks{};
  // By word number (entry 0 unused).
  std::vector<std::uint16_t> WordMarks;

 private:
  std::array<std::vector<Run>, ConditionCount + 1> runs_;  // entry 0 unused
};

}  // namespace engine
