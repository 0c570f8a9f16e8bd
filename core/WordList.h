#pragma once
// The English word list decoded: words by key and keys by word, over the
// groups of a list. The groups come in the list's order (entry i the i-th
// group); in a whole list (core/WholeEdition.h) entry i holds the words of
// i + 1 letters. A group of count 0 ends the list. Every read stays inside the
// words of its group.
//
// A key's low 14 bits number the words in the list's order (all the words of
// the first group, then of the second, ...), from 1.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/WholeEdition.h"

namespace ixo {

// The stored letters of a key's word; nothing for key number 0 or one beyond
// the list.
std::optional<std::span<const std::uint8_t>> StoredWordOfKey(std::span<const WordGroupView> groups,
                                                             std::uint16_t key);

// The written words (WrittenWord) of those keys that name a word, in the
// keys' order, each written in its place in the list.
std::vector<std::string> WrittenWordsOfKeys(std::span<const WordGroupView> groups,
                                            std::span<const std::uint16_t> keys);

// A word as stored, written: each letter, and a hyphen after each letter that
// carries the hyphen bit.
std::string WrittenWord(std::span<const std::uint8_t> stored);

// Whether input holds the stored letters, without regard to case: hyphens of
// input are skipped before every letter but the first, and input that runs
// out first does not match; what follows the last letter is not read.
bool SameLetters(std::string_view input, std::span<const std::uint8_t> stored);

// The keys, in key order and at most limit of them, of the words of length
// letters whose letters are those of input (SameLetters). None when the group
// in the place of that length holds words of another length, and none past
// the highest key.
std::vector<std::uint16_t> KeysOfLetters(std::span<const WordGroupView> groups, int length,
                                         std::string_view input, std::size_t limit);

// The words of each group by their first letter without regard to case, in
// the group's order: a look-up then compares only the words that begin as its
// input does, instead of the whole group.
class FirstLetterIndex {
 public:
  FirstLetterIndex() = default;
  explicit FirstLetterIndex(std::span<const WordGroupView> groups);

  // The positions in groups[group] of the words whose first letter folds
  // (FoldLetter) to letter, ascending; none past the groups indexed.
  std::span<const std::uint16_t> Positions(std::size_t group, std::uint8_t letter) const;

 private:
  static constexpr std::size_t Letters = 0x60;  // above every folded letter

  std::vector<std::uint32_t> offsets_;  // group * Letters + letter: where its positions begin
  std::vector<std::uint16_t> positions_;
};

// KeysOfLetters over the words of the index that begin as input does: the
// same keys, for an index built over the same groups.
std::vector<std::uint16_t> KeysOfLetters(std::span<const WordGroupView> groups, const FirstLetterIndex& index,
                                         int length, std::string_view input, std::size_t limit);

}  // namespace ixo
