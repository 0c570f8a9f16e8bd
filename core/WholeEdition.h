#pragma once
// Whether the files of an edition are whole, judged by their format alone:
// what every reader of the text needs before it may trust the files. The word
// list holds its header and exactly 18 groups, one per length 1 to 18 in
// order, each of 1 to 32,767 words of its own length lying wholly inside the
// list, and nothing after them; the text and lemma files are regular files
// of whole records, not empty, one lemma record per text record.
//
// Each problem is a sentence that names its file.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ixo {

// One group of a whole word list: count words of length letters each.
struct WordGroupView {
  int length = 0;
  int count = 0;
  std::span<const std::uint8_t> words;  // count x length bytes
};

struct WordListCheck {
  std::vector<std::string> problems;   // empty when the list is whole
  std::vector<WordGroupView> groups;   // the 18 groups of a whole list, else none
  int words = 0;                       // the words of all groups
};

// The check of a word list's bytes.
WordListCheck CheckWordList(std::span<const std::uint8_t> list);

// The check of the text and lemma files in folder (which ends in a
// separator), by their sizes.
std::vector<std::string> CheckTextFiles(const std::string& folder);

}  // namespace ixo
