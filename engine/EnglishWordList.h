#pragma once
// The engine's English word list: the groups of the mapped list, one group of
// fixed-width words per word length 1 to 18, decoded by core/WordList.h. A
// word key's low 14 bits number the words in the list's own order (all words
// of length 1, then of length 2, ...), from 1.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/WholeEdition.h"
#include "core/WordList.h"

namespace engine {

// One group of the mapped list: its length, its count and its words.
using EnglishGroup = ixo::WordGroupView;

class EnglishWordList {
 public:
  // Reads the group headers of the list. A list that is not whole (see
  // core/WholeEdition.h: its byte 0 not 18, its 18 groups not all there, of
  // their lengths, inside the list), an empty one too, is reported ("Bad
  // English data file.") and leaves the tables empty: false then.
  bool Init(std::span<const std::uint8_t> data);

  std::uint32_t EnglishMaxLen = 0;                // byte 0 of a whole list
  std::array<EnglishGroup, 19> EnglishGroups{};  // entries 1..18, one per length

  // The key of a word (letters compared without regard to case, hyphens in the
  // word skipped); 0 when it is not in the list. Of words stored with the same
  // letters but other hyphens ("bethlehem", "beth-lehem") the first is taken.
  std::uint16_t WordToKey(std::string_view word) const;
  // Every key whose stored letters are the word's, compared as WordToKey
  // does, in key order: one word spelt with and without hyphens has several.
  // Empty when the list does not hold the word.
  std::vector<std::uint16_t> KeysForWord(std::string_view word) const;
  // The word of a key as stored (with its hyphens); empty for an illegal key.
  std::string KeyToWord(std::uint16_t key) const;
  // The words as stored of those keys that name one, in the keys' order.
  std::vector<std::string> KeysToWords(std::span<const std::uint16_t> keys) const;
  // The word with the key's case bits applied.
  std::string KeyToDisplayWord(std::uint16_t key) const;

 private:
  // The groups in the list's order, without the unused entry 0.
  std::span<const EnglishGroup> Groups() const;
  // The keys of the word in key order, at most limit of them.
  std::vector<std::uint16_t> MatchingKeys(std::string_view word, std::size_t limit) const;

  ixo::FirstLetterIndex byFirstLetter_;  // of the groups, built by Init
};

}  // namespace engine
