#pragma once
// The text as the builders hand it to the text builder: books of chapters of
// verses of words, each word with its written spelling, its flags and its
// Strong's numbers.

#include <cstdint>
#include <string>
#include <vector>

namespace data {

struct SourceWord {
  // The word as written: letters with their capitals and hyphens
  // ("Maher-shalal-hash-baz", "LORD", "Moses", "the"). The key's case bits come
  // from it: a word all in capitals of more than one letter is 0xC000, a word
  // with a capital first letter 0x8000.
  std::string spelling;
  // The flags byte of the word record: italic 0x02, parenthesis 0x04,
  // possessive 0x10, punctuation in the mask 0xE0.
  std::uint8_t flags = 0;
  // Up to four Strong's numbers, each 1 to 32,767; the book's language decides
  // whether they are stored as Hebrew or Greek.
  std::vector<std::uint16_t> strongs;
};

struct SourceVerse {
  std::vector<SourceWord> words;
};

struct SourceChapter {
  std::vector<SourceVerse> verses;  // verse 1 first
};

struct SourceBook {
  // Its Strong's numbers are Greek: true for books 40 to 66 (the New
  // Testament), false for books 1 to 39.
  bool greek = false;
  std::vector<SourceChapter> chapters;  // chapter 1 first
};

struct SourceText {
  std::vector<SourceBook> books;  // in canonical order; the installed text has 66
};

}  // namespace data
