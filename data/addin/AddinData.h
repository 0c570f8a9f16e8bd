#pragma once
// The word-processor add-in's data, made from a written edition: its two text
// files "IxoBible.2005" and "IxoReference.2005", and the tables its engine
// library carries (the words by key, the Strong's numbers of each key).
//
// The add-in's files give each word at most one Strong's number, the first of
// its lemma record, as a one-byte index into the list of its key. A key's list
// holds the numbers its words carry in one language (books 1-39 Hebrew, 40-66
// Greek), the most frequent first (equal counts by number); past 255 numbers a
// list is cut, and words of the numbers cut off get the byte 0 (none).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/BuildResult.h"

namespace data {

struct AddinData {
  std::string bible;      // the bytes of "IxoBible.2005"
  std::string reference;  // the bytes of "IxoReference.2005"
  // The stored words (letters and hyphens) by key number: entry k - 1 is key k.
  std::vector<std::string> words;
  // By key number as the words: the Hebrew [0] and Greek [1] lists.
  std::vector<std::array<std::vector<std::uint16_t>, 2>> strongs;
};

// Reads the text, lemma and word-list files of the edition folder. Fails, and
// says why, when a file is missing or does not hold 66 books whose words and
// lemma records are all there.
BuildResult ConvertEdition(const std::string& editionFolder, AddinData& data);

// Writes "IxoBible.2005" and "IxoReference.2005" into folder (created when
// missing), each replaced atomically.
BuildResult WriteAddinFiles(const std::string& folder, const AddinData& data);

}  // namespace data
