#pragma once
// Study files (".ixolc"): the saved state of a search, an INI file.
//
//   [Options]   span=<the search-word span>
//   [1] .. [14] one key per word of the condition's word list, value "1";
//               only for conditions with words
//   [Active]    1..14 = "1" when the condition is active, else "0"; only for
//               conditions that are active or have words
//
// A file written from scratch holds "Options", the conditions in ascending
// order and "Active", in that order. Writing over a file keeps "Options" and
// any other section in place and moves the conditions and "Active" to the
// end. The span is written but not read back. A word is its line's key.

#include <array>
#include <string>
#include <vector>

#include "ConditionSet.h"

namespace search {

inline constexpr char StudyExtension[] = ".ixolc";
inline constexpr char CurrentStudyName[] = "current.ixolc";

// What a study file holds of each condition 1 to 14 (entry 0 unused).
struct Study {
  std::array<std::vector<std::string>, ConditionCount + 1> Words;  // in file order
  std::array<bool, ConditionCount + 1> Active{};
};

// Reads a study; a file that is missing or cannot be read reads as empty.
Study ReadStudy(const std::string& fileName);

// Writes the study of the conditions into fileName (created when missing) in
// one replacement of the file, then puts it in place of historyDir +
// "current.ixolc" as a second name of the same file, or as a copy where the
// system gives no link (creating the folder; a failure there is ignored).
// False, after an error
// message, when the file could not be read or written; the file is then
// left as it was.
bool SaveStudy(const std::string& fileName, const ConditionSet& conditions, int span,
               const std::string& historyDir);

// The conditions' part of loading a study into reset conditions: each
// condition's words are added (a word the text lacks is shown as when typed
// and left out) and written into its summary edit, separated by blanks. A
// row is in use when it got a word (row 1 always); its box is checked then,
// and enabled only when the study marked it active.
void UseStudy(ConditionSet& conditions, const Study& study);

}  // namespace search
