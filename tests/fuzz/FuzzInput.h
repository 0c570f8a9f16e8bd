#pragma once
// How the harnesses read their input. Most take it as parts separated by NUL
// bytes: the first part is the text of a file, each further part one
// operation, its first byte saying which and its fields separated by tabs.
// The formats stay readable, so that seeds can be written with printf.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace fuzz {

inline std::string_view AsText(std::span<const std::uint8_t> data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// The parts of text between separators; text without a separator is one part.
inline std::vector<std::string_view> SplitParts(std::string_view text, char separator = '\0') {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// The text before the first tab and the text after it (empty without a tab).
inline std::pair<std::string_view, std::string_view> SplitField(std::string_view text) {
  const std::size_t at = text.find('\t');
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

// An operation: its code and the text after it.
struct Operation {
  char code = 0;
  std::string_view argument;
};

inline Operation ReadOperation(std::string_view part) {
  if (part.empty()) return {};
  return {part.front(), part.substr(1)};
}

}  // namespace fuzz
