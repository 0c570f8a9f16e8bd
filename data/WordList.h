#pragma once
// The distinct words of a text, numbered as their keys and written out as the
// English word list.
//
// Order: all words of 1 letter, then all of 2 letters, and so on to 18; within
// one length, by their stored bytes (so a word without hyphens comes before the
// same letters with one). Numbers run from 1 in that order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/IxoFormat.h"

namespace data {

class WordList {
 public:
  // The id of a stored word (see EncodedWord), added when it is new.
  std::size_t Add(const std::string& stored);

  // Gives every length that has no word yet a filler word: the letter q as
  // many times as the length. Fillers occur in no verse.
  void PadEmptyLengths();

  // The first length from 1 to 18 without a word, or 0 when each has one.
  int FirstEmptyLength() const;

  std::size_t Size() const { return words_.size(); }

  // Numbers the words in the list's order; call once all are added.
  void Number();

  // The key number of a word id, after Number.
  std::uint16_t NumberOf(std::size_t id) const { return numbers_[id]; }

  // The word-list file: the maximum length, a 0 byte, then the groups of
  // lengths 1 to 18 (length, 0, count, the words), after Number.
  std::string Bytes() const;

 private:
  std::vector<std::string> words_;  // by id
  std::unordered_map<std::string, std::size_t> ids_;
  std::array<std::vector<std::size_t>, ixo::MaxWordLength + 1> groups_;  // ids by length, ordered
  std::vector<std::uint16_t> numbers_;  // by id
};

}  // namespace data
