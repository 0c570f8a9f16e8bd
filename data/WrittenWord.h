#pragma once
// A word as written in the text, turned into what the files keep of it: its
// letters as stored in the word list and the case bits of its key.

#include <cstdint>
#include <string>
#include <string_view>

namespace data {

struct EncodedWord {
  // Lower-case letters; a letter followed by a hyphen in the written word has
  // the hyphen bit. Empty when the word cannot be kept.
  std::string stored;
  // 0x8000 for a capital first letter, 0xC000 for a word of more than one
  // letter all in capitals, 0 for one without capitals.
  std::uint16_t caseBits = 0;
  std::string error;  // why the word cannot be kept, when stored is empty
};

// A written word holds 1 to 18 letters and at most 22 characters: letters and
// single hyphens between letters; its capitals are none, the first letter
// only, or all its letters.
EncodedWord EncodeWrittenWord(std::string_view written);

}  // namespace data
