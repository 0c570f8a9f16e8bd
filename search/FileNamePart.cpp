#include "FileNamePart.h"

namespace search {
namespace {

constexpr std::size_t MaxPartLength = 64;

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
  }
  return name.empty() ? "_" : name;
}

}  // namespace search
