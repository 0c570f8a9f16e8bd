#pragma once
// Finishing a search: its study is kept as a dated file of the history
// folder and as "current.ixolc", and the style sheet is rewritten with a rule
// for each lemma tag of the checked conditions' words, so that the chapter
// pages show the hits.

#include <string>

#include "HistoryFileName.h"

namespace search {

class ConditionSet;

// The desktop program's history folder (DesktopText.h): the user data
// folder's "History/".
std::string HistoryFolder();

// Saves the study into the history folder of the conditions' text, in the
// file named after the clock's time (with the text's span), and rewrites the
// style sheet; both are tried whatever the other gives. Returns the history
// file, empty when it was not written.
std::string FinishSearch(const ConditionSet& conditions, const Clock& clock = LocalNow);

}  // namespace search
