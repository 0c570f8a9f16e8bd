#pragma once
// The proper names of a text and what the names index tells of each.
//
// A word of the text is a proper name when one of the Strong's numbers it
// carries marks it as one:
// - the dictionary's renderings of that number (how the text translates it)
//   begin with a capital letter (after the dictionary's marks "X" and "+")
//   and list the word itself with a capital, alone or with a plural or
//   gentilic ending ("Abraham" of "- Abraham.", "Ammonites" of
//   "- Ammonite(-s)", but not "High" of "- Most high.");
// - wherever the text carries the word with that number, it writes it with a
//   capital, and at least once with only its first letter a capital (so
//   "LORD", always in capitals, is none);
// - the word has at least two letters, and is none of the titles the text
//   writes with a capital that such a number gives too ("God", "Lord",
//   "Creator", "Sirs" of a number rendered "God, Lord, master, Sir").
// Words are told apart without regard to case; the same word with another
// number (the name "Lot" and the "lot" that is cast) does not count as the
// name. A name's occurrences are the places where the text writes it with one
// of its name numbers.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/TextModel.h"
#include "data/names/DictionaryEntry.h"

namespace data::names {

struct VersePlace {
  int book = 0;  // 1 to 66
  int chapter = 0;
  int verse = 0;
  bool operator==(const VersePlace&) const = default;
};

struct NameNumber {
  char language = 'H';  // 'H' Hebrew or 'G' Greek
  int number = 0;
  int occurrences = 0;  // of the name with this number
  DictionaryEntry entry;
};

struct ProperName {
  std::string name;                 // as the text writes it: "Abraham", "Beth-el"
  std::vector<NameNumber> numbers;  // most occurrences first, then Greek before Hebrew, by number
  int occurrences = 0;
  int verses = 0;
  VersePlace first;
  VersePlace last;
};

// The dictionary entry of a Hebrew ('H') or Greek ('G') number, if any.
using DictionaryLookup = std::function<std::optional<DictionaryEntry>(char language, int number)>;

// The names in alphabetical order, compared without regard to case.
std::vector<ProperName> FindProperNames(const SourceText& text, const DictionaryLookup& lookup);

// Whether renderings list word (see above).
bool RenderingsName(std::string_view renderings, std::string_view word);

}  // namespace data::names
