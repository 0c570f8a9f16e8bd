#pragma once
// A small text written out readably, for test fixtures.
//
// One line per verse, "chapter:verse" and its words; "book N" starts book N
// (1 to 66, rising; books left out before it are empty; lines before the first
// "book" belong to book 1). Books 40 to 66 are Greek. Verses come in order:
// the next verse of the chapter, or verse 1 of the next chapter. Blank lines
// and lines that begin with "#" are skipped.
//
//   book 1
//   1:1 In the beginning<7225> God<430> created<1254,853> the heaven<8064>.
//   1:2 And the earth<776> was [without] form<8414>, (LORD's<3068>)
//
// A word is its spelling (letters and single inner hyphens, with its capitals)
// with marks around it:
//   "(" before / ")" after   a parenthetical run from this word to that one;
//   "[" before / "]" after   an italic run likewise;
//   "'s" or "'" after        possessive ("LORD's", "Moses'");
//   "<n,n,...>" after        its Strong's numbers;
//   one of ; , : ! -- ? .    its punctuation, before or after the closing marks.

#include <string_view>

#include "data/BuildResult.h"
#include "data/TextModel.h"

namespace data {

// Reads the description into text (replacing what it held); an error names
// the line.
BuildResult ReadTextDescription(std::string_view description, SourceText& text);

}  // namespace data
