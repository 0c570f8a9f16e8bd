#pragma once
// The searches the benchmarks time, and the search logic's part of them:
// from the criteria as typed in the tool bar ("All Words") to the hit list.

#include <string>

#include "search/SearchResult.h"

namespace search {
class ConditionSet;
}

namespace bench {

inline constexpr int SearchSpan = 7;

// Two English words, two conditions.
inline const std::string TwoWords = "love world";
// English words and Hebrew numbers, five conditions (Genesis 1:1 meets them).
inline const std::string FiveTerms = "God heaven earth H8064 H776";

// Rebuilds the conditions from the criteria, marks their words, walks the
// text and groups the hits by book, chapter and verse.
search::SearchResult SearchFor(search::ConditionSet& conditions, const std::string& criteria);

}  // namespace bench
