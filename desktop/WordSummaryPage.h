#pragma once
// The word summary page: for each word of a word-list node (a condition of a
// search, a word of a study), the word with the search picture, then its
// Greek and Hebrew Strong's numbers (for an English word) or its English
// words (for a Strong's number), as an HTML table fragment without head or
// body. Words and looked-up entries are written HTML-escaped.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

// The Review page closes each word's rows after the word; the Search and
// Names pages close them once after all words.
enum class WordSummaryVariant { Review, Names };

// The words of a word-list node's caption, read as comma text.
std::vector<std::string> WordListWords(std::string_view caption);

// The page of the words; homeDir is the program's home folder, whose
// "image/Search.gif" stands beside each word.
std::string WordSummaryPage(const std::vector<std::string>& words, std::string_view homeDir,
                            WordSummaryVariant variant);

// What the Names page adds for a word under a node that holds a span.
std::string SpanLine(std::intptr_t span);

}  // namespace desktop
