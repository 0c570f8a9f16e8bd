#pragma once
// The proximity search over the engine's search marks: the verses where every
// active condition has a marked word inside one window of consecutive words.
//
// The window is count words wide when one condition is searched or when more
// conditions are searched than the span; otherwise it is span words wide. It
// starts at a word that carries an active bit and never reaches past the last
// word of its book. A verse is reported once, under the verse of the first
// word of the first window that meets; its other words may lie in the verses
// after it. Books that lack one of the conditions are skipped unread.

#include <cstdint>
#include <string>
#include <string_view>

#include "SearchResult.h"

namespace search {

class ConditionSet;
class SearchText;

// The conditions (1 to 14) whose bit lies in mask.
int ConditionsInMask(std::uint16_t mask);

// The words a window covers beyond its first one.
int WindowWidth(int conditionCount, int span);

// Searches the text for mask (the active conditions' bits) with
// conditionCount conditions; nothing is searched for a count of 0.
SearchResult ProximitySearch(const SearchText& text, std::uint16_t mask, int conditionCount, int span);

// The search the form runs, on the conditions' text: mask 0 searches the
// active conditions (check box shown and checked); any other mask those of
// its conditions.
SearchResult RunSearch(const ConditionSet& conditions, std::uint16_t mask, int span);

// A book's name as the result tree shows it: a name that begins with 1, 2 or
// 3 gets its digit and two blanks ("1  Samuel").
std::string BookDisplayName(std::string_view name);

// "Found 12 matches in 3 books", "Found 1 match in 1 book", or
// "Found no matching verses." when nothing met.
std::string StatusText(int books, int verses);

}  // namespace search
