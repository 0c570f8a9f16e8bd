#pragma once
// One verse of the KJV module's OSIS markup read into the words of the text.
//
// A word is a run of letters, hyphens and apostrophes, whatever tags cut
// through it. From the markup it takes:
//   <w lemma="strong:H0430 ...">  the Strong's numbers of every w it touches
//   <transChange type="added">    the italic flag (the translators' additions)
//   <divineName>, "\nd"           capitals (LORD)
//   ( ... )                       the parenthesis flag, also across verses
//   "'s", "'" at its end          the possessive flag on the bare word
//   , ; : ! ? . and the dash      its punctuation code
// Notes and titles are dropped with their content; q, seg, foreign, l, lg,
// div, chapter, lb and milestone tags are dropped and their content kept, as
// are the paragraph mark and square brackets. Anything else, and anything the
// format cannot hold, is an error.

#include <string_view>
#include <vector>

#include "data/TextModel.h"
#include "data/kjv/OsisError.h"

namespace data::kjv {

// What the reading of one verse takes from, and leaves to, the next.
struct OsisVerseState {
  // The letter of the Strong's numbers the book carries: 'H' (Hebrew) or 'G' (Greek).
  char strongsLetter = 'H';
  // A "(" has been read and its ")" not yet.
  bool inParenthesis = false;
  // The last word read so far belongs to a parenthetical run.
  bool lastWordInParenthesis = false;
};

// The words of one verse's raw entry, in reading order. Throws OsisError,
// whose text says what is wrong and, where it concerns a word, which.
std::vector<SourceWord> ParseOsisVerse(std::string_view raw, OsisVerseState& state);

}  // namespace data::kjv
