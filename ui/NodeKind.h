#pragma once
// The kinds of tree nodes. In every tree of the program a node's kind is its
// image index, so these numbers also index the node image lists.

namespace ui::node {

enum Kind : int {
  kResultRoot = 0,  // "References", the root of a search result
  kBook = 1,
  kChapter = 2,
  kVerse = 3,
  kHistoryStudy = 4,   // a dated study of the search history
  kVerseSelected = 5,  // the selected image of a verse
  kFolder = 6,         // a folder of the Review tree, or a letter of the Names tree
  kYear = 7,
  kMonth = 8,
  kStudy = 9,         // a saved study
  kFolderOpen = 10,   // the selected image of a folder
  kWordList = 11,     // the words of one search condition
  kSpan = 12,         // a word span
  kFolderDeep1 = 13,  // folders nested below the month level
  kFolderDeep2 = 14,
  kFolderDeep3 = 15,
  kName = 16,  // a proper name, or a "Review Search" node
  kNameEntry = 17,
  kKindCount = 18
};

}  // namespace ui::node
