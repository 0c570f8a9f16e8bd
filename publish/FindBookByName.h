#pragma once
// Book name or abbreviation to book number. The matcher reads a table of the
// books' names in canonical order; the desktop passes the engine's book-name
// table, the add-in a view of its own.

#include <span>
#include <string_view>

namespace publish {

// One book's names as the matcher compares them. Each short form holds only
// its compared characters (a short form "Gen" compared over 2 is "Ge").
struct BookNameKey {
  std::string_view name;       // the full name, compared over its whole length
  std::string_view abbrev;     // the short form's compared characters
  std::string_view altAbbrev;  // the alternative short form's; empty: none
};

// The book number (1 for the table's first entry), or 0 when name is empty or
// names no book. A leading Roman numeral I, II or III and its blank stand for
// the digit and the blank ("II Kings" is "2 Kings"); a blank right after the
// first character is dropped ("1 Kings" is compared as "1Kings", "1  Samuel"
// as "1 Samuel"); then the full names, the short forms and the alternative
// short forms are tried in turn, each against the start of the name without
// regard to case, the first entry in table order winning. The name may go on
// after the book ("Genesis 1:1").
int FindBookByName(std::string_view name, std::span<const BookNameKey> books);

}  // namespace publish
