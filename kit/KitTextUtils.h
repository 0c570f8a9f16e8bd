#pragma once
// String routines of the kit, on 8-bit strings: blank test, the trailing path
// separator, a running-key scrambler and a six-bit text encoding.

#include <cstdint>
#include <string>
#include <string_view>

namespace kit {

// True when s is empty or holds spaces only.
bool IsBlankText(std::string_view s);

// s with the path separator appended unless s is non-blank and already ends
// in one (a blank s gets the separator).
std::string AppendBackslash(std::string_view s);

// s without its last character when s is non-blank and ends in the separator.
std::string StripBackslash(std::string_view s);

// Each byte is XORed with bits 8-15 of a 16-bit state that starts at key;
// after each byte state := (state + c) * 52845 + 22719 (mod 65536), where c
// is the scrambled byte. The two are inverse for the same key.
std::string ScrambleText(std::string_view s, std::uint16_t key);
std::string UnscrambleText(std::string_view s, std::uint16_t key);

// The decimal length, a colon, then s padded with blanks to a multiple of
// three (an empty s: two blanks and a zero byte), each three bytes written as
// four characters between "0" and "o" (six bits each, plus 48).
std::string EncodeSixBit(std::string_view s);

// The inverse: the groups after the first colon, cut to the length before it.
// Text that was not made by EncodeSixBit gives what its groups spell: a short
// last group counts its missing characters as "0", a length beyond the
// decoded bytes is cut to them, and text without a colon or a length gives
// the empty string.
std::string DecodeSixBit(std::string_view s);

}  // namespace kit
