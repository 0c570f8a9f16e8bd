#pragma once
// Small routines on 8-bit text: case folding and comparison without regard to
// case (ASCII letters only, as the names of settings, sections and list items
// are compared), splitting into lines, and trimming.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
std::string LowerCase(std::string_view text);

// Below, equal to or above zero as a sorts before, with or after b, letters
// folded to lower case (so "_" sorts before letters, as in the system's own
// ordering of words).
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// Whether text begins with prefix, compared as SameText does.
bool StartsWithText(std::string_view text, std::string_view prefix);

// The lines of a text: split at line feeds, a carriage return before one
// dropped; a line feed at the very end ends the last line (no empty line after it).
std::vector<std::string_view> SplitLines(std::string_view text);

// Without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

}  // namespace platform
