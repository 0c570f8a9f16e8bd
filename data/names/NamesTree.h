#pragma once
// The names index file "names.tree", an INI file the Names page reads:
// - a section per letter, "A" to "Z" (only letters that begin a name), whose
//   lines "n=name" list the names under it, in alphabetical order;
// - a section per name, named exactly as it stands in its letter's section,
//   whose lines "n=entry" are what the index tells of the name.
// The keys are running numbers from 1; lines end in CR LF.
//
// What the page does with the lines shapes what they may hold. A letter's
// lines are split at "=" with blanks separating too, so a name is one word of
// letters and hyphens. A name's lines are split at "=" alone, so an entry may
// hold blanks but no "="; a double quote would quote, so entries hold none
// (it becomes a single quote). Entries are printable ASCII of at least two
// characters (a one-character child would look like a placeholder).

#include <string>
#include <vector>

#include "data/names/ProperNames.h"

namespace data::names {

// "H85: Abraham the later name of Abram", "Occurs 250 times in 230 verses",
// "First: Genesis 17:5", "Last: Galatians 4:22" (when it differs from the first).
std::vector<std::string> NameEntries(const ProperName& name);

// A text made fit to be an entry: printable ASCII only, double quotes made
// single, "=" made "-", blanks single and none at the ends.
std::string EntryText(std::string_view text);

// The whole file. Names that are not one word of letters and hyphens
// beginning with a capital are left out.
std::string NamesTreeText(const std::vector<ProperName>& names);

}  // namespace data::names
