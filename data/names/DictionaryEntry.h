#pragma once
// One entry of the Strong's dictionaries as their modules store it (TEI
// markup), reduced to the two parts the names index uses:
// - the definition, without the word's origin, markup and the editors'
//   braces;
// - the renderings: how the English text translates the word, the list after
//   the definition ("- Abraham." in the Hebrew dictionary, ":--Abraham." in the
//   Greek one), up to its closing full stop.
// Both are plain text with single blanks.

#include <string>
#include <string_view>

namespace data::names {

struct DictionaryEntry {
  std::string definition;
  std::string renderings;
};

DictionaryEntry ParseDictionaryEntry(std::string_view raw);

// A definition without the clauses that tell where the word comes from: those
// that say "derivation" or "origin", and those that refer to another number
// ("From H1", but not "corresponding to H4872", which names the same word in
// the other language). "Contracted from H1 and an unused root; father of a
// multitude; Abraham the later name of Abram" gives "father of a multitude;
// Abraham the later name of Abram". Clauses are parted by semicolons outside
// parentheses. The last clause when every clause tells the origin.
std::string ShortDefinition(std::string_view definition);

}  // namespace data::names
