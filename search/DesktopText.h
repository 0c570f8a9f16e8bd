#pragma once
// The desktop program's text for the search: the process-wide engine
// (engine::Engine(), looked up anew on every call, so that a replaced engine
// is the one searched), its word list, its lemma data for the Strong's
// numbers and related words, and the user data folder for the studies.

#include "SearchText.h"

namespace search {

// The one desktop text of the process.
SearchText& DesktopText();

}  // namespace search
