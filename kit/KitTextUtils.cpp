#include "KitTextUtils.h"

#include <algorithm>
#include <charconv>

#include "platform/Paths.h"

namespace kit {

namespace {

constexpr char kSeparator = platform::PathSeparator;

std::uint16_t NextState(std::uint16_t state, std::uint8_t scrambled) {
  return static_cast<std::uint16_t>((static_cast<std::uint32_t>(state) + scrambled) * 52845u + 22719u);
}

}  // namespace

bool IsBlankText(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

std::string AppendBackslash(std::string_view s) {
  std::string result(s);
  if (IsBlankText(s) || s.back() != kSeparator) result += kSeparator;
  return result;
}

std::string StripBackslash(std::string_view s) {
  if (IsBlankText(s) || s.back() != kSeparator) return std::string(s);
  return std::string(s.substr(0, s.size() - 1));
}

std::string ScrambleText(std::string_view s, std::uint16_t key) {
  std::string result(s.size(), '\0');
  std::uint16_t state = key;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto out = static_cast<std::uint8_t>(static_cast<std::uint8_t>(s[i]) ^ (state >> 8));
    result[i] = static_cast<char>(out);
    state = NextState(state, out);
  }
  return result;
}

std::string UnscrambleText(std::string_view s, std::uint16_t key) {
  std::string result(s.size(), '\0');
  std::uint16_t state = key;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto in = static_cast<std::uint8_t>(s[i]);
    result[i] = static_cast<char>(in ^ (state >> 8));
    state = NextState(state, in);
  }
  return result;
}

std::string EncodeSixBit(std::string_view s) {
  std::string padded(s);
  if (padded.empty()) {
    padded = std::string("  \0", 3);
  } else {
    padded.append((3 - padded.size() % 3) % 3, ' ');
  }
  std::string result = std::to_string(s.size()) + ":";
  for (std::size_t i = 0; i < padded.size(); i += 3) {
    const auto b0 = static_cast<std::uint8_t>(padded[i]);
    const auto b1 = static_cast<std::uint8_t>(padded[i + 1]);
    const auto b2 = static_cast<std::uint8_t>(padded[i + 2]);
    result += static_cast<char>((b0 >> 2) + 48);
    result += static_cast<char>((((b0 & 3) << 4) | (b1 >> 4)) + 48);
    result += static_cast<char>((((b1 & 15) << 2) | (b2 >> 6)) + 48);
    result += static_cast<char>((b2 & 63) + 48);
  }
  return result;
}

std::string DecodeSixBit(std::string_view s) {
  const auto colon = s.find(':');
  if (colon == std::string_view::npos) return {};
  std::size_t length = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + colon, length);
  if (error != std::errc() || end != s.data() + colon) return {};
  const std::string_view groups = s.substr(colon + 1);
  std::string result;
  for (std::size_t i = 0; i < groups.size(); i += 4) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const std::uint32_t digit = i + k < groups.size() ? static_cast<std::uint8_t>(groups[i + k]) - 48u : 0u;
      value = (value << 6) + (digit & 63u);
    }
    result += static_cast<char>((value >> 16) & 0xFF);
    result += static_cast<char>((value >> 8) & 0xFF);
    result += static_cast<char>(value & 0xFF);
  }
  if (result.size() > length) result.resize(length);
  return result;
}

}  // namespace kit
