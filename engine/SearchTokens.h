#pragma once
// Search terms: a Hebrew Strong's number (the letter H or h and digits), a
// Greek one (G or g and digits) or an English word. A number is 1 to 32,767;
// a letter with anything else after it is an English word, so a number never
// wraps to another one.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace engine {

// The number of the digits after a token's letter: 1 to 32,767, or nothing
// when they are missing, are not all digits, or give another value.
std::optional<std::uint16_t> StrongsNumberOf(std::string_view token);

// 'H', 'G' or 'E'.
char ClassifyToken(std::string_view token);

struct TokenValue {
  std::uint16_t Key = 0;     // the word key of an English word
  std::uint16_t Number = 0;  // the Strong's number
};

// Kind 'E': the key of the word (nothing when the word is not in the list);
// any other kind: the Strong's number after the letter (nothing when there is
// no valid number).
std::optional<TokenValue> ParseToken(char kind, std::string_view token);

// The same with the keys of another word list: wordKey gives a word's key, 0
// for a word it does not hold.
using WordKeyLookup = std::function<std::uint16_t(std::string_view word)>;
std::optional<TokenValue> ParseToken(char kind, std::string_view token, const WordKeyLookup& wordKey);

}  // namespace engine
