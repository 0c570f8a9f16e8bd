#pragma once
// The 66 books with their full names and the short forms a typed book name is
// matched against, each with the number of leading characters compared.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/IxoFormat.h"

namespace engine {

struct TBookNameRec {
  std::string_view Abbrev;
  std::uint32_t AbbrevLen = 0;     // leading characters of Abbrev a typed name must match
  std::string_view AltAbbrev;
  std::uint32_t AltAbbrevLen = 0;  // 0 when the book has no alternative
  std::string_view Name;
};

// Entries 1 to 66 in canonical order; entry 0 holds nothing.
extern const std::array<TBookNameRec, ixo::BookCount + 1> BookNameTable;

}  // namespace engine
