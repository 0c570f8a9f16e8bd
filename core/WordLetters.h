#pragma once
// The letters of words as every reader of the text treats them: capitals, the
// case a word key gives its word, and the form in which a word is looked up.
// Plain ASCII: the words of the text are ASCII.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/IxoFormat.h"

namespace ixo {

constexpr char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A stored or typed character with its case (and the hyphen bit) folded away;
// a hyphen folds to FoldedHyphen.
constexpr std::uint8_t FoldLetter(std::uint8_t c) { return c & 0x5F; }
inline constexpr std::uint8_t FoldedHyphen = '-' & 0x5F;
constexpr bool FoldsToHyphen(char c) { return FoldLetter(static_cast<std::uint8_t>(c)) == FoldedHyphen; }

// The word from its first character that does not fold to a hyphen.
constexpr std::string_view WithoutLeadingHyphens(std::string_view word) {
  std::size_t first = 0;
  while (first < word.size() && FoldsToHyphen(word[first])) ++first;
  return word.substr(first);
}

// Gives a word, as stored, the capitals of its key: every letter or the first.
inline void ApplyKeyCase(std::uint16_t key, std::span<char> word) {
  if (KeyHasAllCapitals(key)) {
    for (char& c : word) c = UpperLetter(c);
  } else if (KeyHasFirstCapital(key) && !word.empty()) {
    word[0] = UpperLetter(word[0]);
  }
}

// A word as the add-in's engine looks it up: its letters in capitals, its
// hyphens dropped.
inline std::string LookupForm(std::string_view word) {
  std::string form;
  for (const char c : word)
    if (c != '-') form += UpperLetter(c);
  return form;
}

}  // namespace ixo
