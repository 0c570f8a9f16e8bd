#pragma once
// The add-in's lists of Strong's numbers and English words. They come from the
// engine library's Strong's table rather than from scans of the text: a word's
// key gives its Hebrew and Greek numbers, and a number the words whose lists
// hold it. A look-up adds to the list it is given, or returns a new list that
// is sorted, compared without regard to case and free of duplicates.

#include <string_view>

#include "platform/StringList.h"

namespace wordaddin {

class TixoEngine;

// An English word: "H" and each number of the Hebrew lists of its keys (every
// spelling of its letters, TixoEngine::KeysForWord), then "G" and each number
// of their Greek lists; a word the library does not know adds nothing. A Strong's token ("H430") adds itself.
void StrongsNumbersForWord(const TixoEngine& engine, std::string_view word, platform::TStringList& list);
platform::TStringList StrongsNumbersForWord(const TixoEngine& engine, std::string_view word);

// A token, "H" or "G" (either case) and a number: the words, as stored, of
// every key whose Hebrew list (for "H") or Greek list (for "G") holds the
// number. An English word or an empty token adds nothing.
void WordsForStrongsNumber(const TixoEngine& engine, std::string_view token, platform::TStringList& list);
platform::TStringList WordsForStrongsNumber(const TixoEngine& engine, std::string_view token);

}  // namespace wordaddin
