#pragma once
// The desktop program's text for the search: the process-wide engine
// (engine::Engine(), looked up anew on every call, so that a replaced engine
// is the one searched), its word list, its lemma data for the Strong's
// numbers and related words, and the user data folder for the studies. The
// search code in this folder reaches the engine through this text alone.

#include "SearchText.h"

namespace search {

// The one desktop text of the process.
SearchText& DesktopText();

// Its related words: the English words of the engine's text (each once,
// sorted without regard to case) that carry any of the numbers of
// strongsList, whose entries are "H" or "G" and digits: a Hebrew number in a
// lemma slot of a word of books 1 to 39, a Greek one in books 40 to 66.
// Entries that are no such number add nothing.
platform::TStringList SynonymList(const platform::TStringList& strongsList);
// The same, added to words.
void SynonymList(const platform::TStringList& strongsList, platform::TStringList& words);

}  // namespace search
