#pragma once
// The text the writers put around a word's display text, from the flags of its
// record and of its neighbours: an opening parenthesis before it; the
// possessive, the punctuation and a closing parenthesis after it.
//
// A neighbour is the record before or after the word in the text. A null
// neighbour or a separator (key 0) is no word: it never continues a run, so a
// run opens at a book's first word and closes at its last.

#include <string>
#include <string_view>

#include "core/IxoFormat.h"

namespace publish {

// "(" when the word opens a parenthetical run, else empty.
std::string WordPrefix(const ixo::IxoWritten* previous, const ixo::IxoWritten& word);

// The possessive ("'" after a word ending in s or S, else "'s"), then the
// punctuation (the dash written "--;"), then ")" when the word closes a
// parenthetical run. lastChar is the last character of the display text, 0 when
// the display text is empty.
std::string WordSuffix(const ixo::IxoWritten& word, const ixo::IxoWritten* next, char lastChar);

// The last character of a display text, 0 for an empty one.
constexpr char LastCharacter(std::string_view text) { return text.empty() ? '\0' : text.back(); }

}  // namespace publish
