#pragma once
// The lists that help the user find further search words on a condition's
// page: the Hebrew and Greek Strong's numbers under which an English word
// occurs in the text, and the related words, the English words of the text
// that translate those numbers or one chosen number. All of them come from
// the text given (SearchText.h); by default the desktop program's.

#include <string_view>

#include "DesktopText.h"
#include "platform/StringList.h"

namespace search {

struct TSearchCondition;

// The condition's Hebrew and Greek lists := the word's Strong's numbers in
// text, bare (430, not H430). With related, its related-words list := the
// related words of all those numbers; without, that list is kept.
void ListNumbersOfWord(TSearchCondition& condition, std::string_view word, bool related,
                       const SearchText& text = DesktopText());

// The condition's related-words list := the English words in text of one
// bare number of its Hebrew (letter 'H') or Greek ('G') list.
void ListWordsOfNumber(TSearchCondition& condition, char letter, std::string_view number,
                       const SearchText& text = DesktopText());

}  // namespace search
