#pragma once
// The first step of reading a verse: its OSIS markup taken off, leaving each
// character of the text with the markup it stands in.

#include <cstdint>
#include <string_view>
#include <vector>

namespace data::kjv {

struct MarkedChar {
  char32_t code;
  bool added;        // inside <transChange type="added">
  bool divineName;   // inside <divineName>, or after the "\nd" marker
  int wordElement;   // index into MarkedText::strongs of the enclosing <w>, or -1
};

struct MarkedText {
  std::vector<MarkedChar> chars;  // the kept text, in order
  // The Strong's numbers of each <w> element, in the order the elements open.
  std::vector<std::vector<std::uint16_t>> strongs;
};

// Takes the markup off one raw entry. strongsLetter ('H' or 'G') is the only
// letter its Strong's numbers may carry. Throws OsisError for a tag it does
// not know, markup it cannot read, or text that is not UTF-8.
MarkedText ReadOsisMarkup(std::string_view raw, char strongsLetter);

}  // namespace data::kjv
