#pragma once
// Writes a text into the three files of an edition folder: "IxoBible.2011"
// (the word records), "IxoLemma.2011" (their Strong's numbers) and
// "IxoEnglish.2011" (the word list, see WordList for its order).
//
// Input the files cannot hold is refused with an error that says what and
// where (book, chapter, verse, word), and nothing is written then:
// - a text of more than 66 books (or, unless padded, fewer);
// - a book of more than 65,535 words;
// - a book with words whose language (SourceBook::greek) is not that of its
//   place: books 1 to 39 are Hebrew, 40 to 66 Greek;
// - a chapter without verses, a verse without words, a chapter of one verse
//   followed by another chapter in its book (its end could not be told from
//   the next chapter's start), a verse number over 255;
// - a word that is not 1 to 18 letters in at most 22 characters of letters and
//   single inner hyphens, or whose capitals are neither none, the first letter
//   only, nor all letters;
// - more than four Strong's numbers on a word, or one outside 1..32,767;
// - more than 16,383 distinct words;
// - (unless padded) a word length from 1 to 18 without any word.
// A book without chapters is written as an empty book (a separator with a
// count of 0). Each file is replaced atomically; the folder is created when
// missing.

#include <string>
#include <string_view>

#include "data/BuildResult.h"
#include "data/TextModel.h"

namespace data {

struct BuildOptions {
  // Books missing after the last one given are written as empty books (a
  // separator with a count of 0), up to 66.
  bool padBooks = false;
  // Word lengths without a word get a filler word (see WordList).
  bool padLengths = false;
};

BuildResult BuildEdition(const std::string& folder, const SourceText& text,
                         const BuildOptions& options = {});

// For tests: builds a small text with both paddings, so that a fixture of a
// few verses of a few books makes a complete edition.
BuildResult BuildFixtureEdition(const std::string& folder, const SourceText& text);

// The same from a text description (see TextDescription.h), for example:
//   BuildFixtureEdition(folder, "book 1\n"
//                               "1:1 In the beginning<7225> God<430> created<1254,853>.\n"
//                               "book 43\n"
//                               "3:16 For God<2316> so loved<25> the world<2889>,");
BuildResult BuildFixtureEdition(const std::string& folder, std::string_view description);

}  // namespace data
