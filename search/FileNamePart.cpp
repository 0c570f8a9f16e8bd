#include "FileNamePart.h"

namespace search {
namespace {

constexpr std::size_t MaxPartLength = 64;
// File names have at most 255 bytes; a page name also gets ".html" and, while
// it is written, a temporary prefix and suffix.
constexpr std::size_t MaxPageNameLength = 160;

bool Kept(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

}  // namespace

std::string SafeFileNamePart(std::string_view word) {
  std::string part;
  for (char c : word.substr(0, MaxPartLength)) part += Kept(c) ? c : '_';
  return part.empty() ? "_" : part;
}

std::string SafePageName(const std::vector<std::string>& words) {
  std::string name;
  for (const std::string& word : words) {
    if (!name.empty()) name += ',';
    name += SafeFileNamePart(word);
    if (name.size() >= MaxPageNameLength) {
      name.resize(MaxPageNameLength);
      break;
    }
  }
  return name.empty() ? "_" : name;
}

}  // namespace search
