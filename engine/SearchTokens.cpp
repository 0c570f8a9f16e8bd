#include "SearchTokens.h"

#include "core/IxoFormat.h"
#include "ixoutils.h"

namespace engine {

std::optional<std::uint16_t> StrongsNumberOf(std::string_view token) {
  if (token.size() < 2) return std::nullopt;
  std::uint32_t number = 0;
  for (char c : token.substr(1)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
    if (number > ixo::MaxStrongsNumber) return std::nullopt;
  }
  if (number == 0) return std::nullopt;
  return static_cast<std::uint16_t>(number);
}

char ClassifyToken(std::string_view token) {
  if (token.size() < 2) return 'E';
  char letter = 0;
  switch (token[0]) {
    case 'h':
    case 'H':
      letter = 'H';
      break;
    case 'g':
    case 'G':
      letter = 'G';
      break;
    default:
      return 'E';
  }
  return StrongsNumberOf(token) ? letter : 'E';
}

std::optional<TokenValue> ParseToken(char kind, std::string_view token) {
  return ParseToken(kind, token, EnglishWordToKey);
}

std::optional<TokenValue> ParseToken(char kind, std::string_view token, const WordKeyLookup& wordKey) {
  if (kind == 'E') {
    const std::uint16_t key = wordKey(token);
    if (key == 0) return std::nullopt;
    return TokenValue{key, 0};
  }
  const std::optional<std::uint16_t> number = StrongsNumberOf(token);
  if (!number) return std::nullopt;
  return TokenValue{0, *number};
}

}  // namespace engine
