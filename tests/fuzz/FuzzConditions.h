#pragma once
// A property of search conditions that the harnesses of studies and of the
// tool-bar criteria share.

#include <cstdint>

#include "FuzzCheck.h"
#include "engine/SearchMarks.h"
#include "search/ConditionSet.h"

namespace fuzz {

// No word of the text carries the bit of a condition whose list is empty.
inline void CheckMarksOfWordLists(const search::ConditionSet& conditions) {
  std::uint16_t withWords = 0;
  for (int n = 1; n <= search::ConditionCount; ++n)
    if (!conditions[n].WordList.Empty()) withWords |= engine::ConditionMask(n);
  for (const std::uint16_t marks : conditions.Text().Marks().WordMarks) FUZZ_CHECK((marks & ~withWords) == 0);
}

}  // namespace fuzz
