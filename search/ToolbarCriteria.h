#pragma once
// The search criteria typed into the main window's tool bar, as the summary
// texts of the search conditions.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace search {

inline constexpr char TooManyWordsMessage[] =
    "A search can match at most 14 words. Please search for fewer words.";

// "Any Word" (allWords false): the whole text is condition 1's summary text,
// so that any of its words matches. "All Words": the text split as comma text
// (separated by commas and blanks, quoted items may hold blanks, empty items
// dropped), one word per condition. More than 14 words: a warning and
// nothing, so that the conditions stay as they were.
std::optional<std::vector<std::string>> ToolbarConditionTexts(std::string_view criteria, bool allWords);

}  // namespace search
