#pragma once
// The check the KJV builder runs on the edition it wrote, decoding the three
// files by their format alone: the files whole (see core/WholeEdition.h, the
// check every reader runs), the words of the list letters only and each
// listed once, 66 books of 1,189 chapters and 31,102 verses, each book's
// separator count equal to its words, every key naming a word of the list,
// and the lemma file parallel to the text with Hebrew numbers in books 1 to
// 39 and Greek ones in 40 to 66.

#include <string>
#include <vector>

namespace data::kjv {

inline constexpr int KjvChapterCount = 1189;
inline constexpr int KjvVerseCount = 31102;

// The problems found in the edition folder (which ends in a separator), each
// naming its file and place; empty when the edition is sound.
std::vector<std::string> CheckEdition(const std::string& folder);

}  // namespace data::kjv
