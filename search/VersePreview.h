#pragma once
// The text of one verse as the search form's preview shows it: each word's
// display text with its opening and closing punctuation, the words separated
// by one blank, without any highlighting.

#include <optional>
#include <string>
#include <string_view>

#include "DesktopText.h"

namespace search {

// The verse of the named book (its full name, the two-blank form of a
// numbered book such as "1  Samuel", or a short form) in text. A book,
// chapter or verse that is not in the text is reported in a warning and
// gives nothing.
std::optional<std::string> VersePreviewText(std::string_view bookName, int chapter, int verse,
                                            const SearchText& text = DesktopText());

}  // namespace search
