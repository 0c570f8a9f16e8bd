#include "data/WrittenWord.h"

#include <cstdio>
#include <utility>

#include "core/IxoFormat.h"

namespace data {
namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsLetter(char c) { return IsUpper(c) || IsLower(c); }
char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Shown(char c) {
  if (c > ' ' && c < 0x7F) return std::string("'") + c + "'";
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(c));
  return code;
}

EncodedWord Refused(std::string error) {
  EncodedWord word;
  word.error = std::move(error);
  return word;
}

}  // namespace

EncodedWord EncodeWrittenWord(std::string_view written) {
  if (written.empty()) return Refused("the word is empty");
  if (written.size() > static_cast<std::size_t>(ixo::MaxWrittenWordLength))
    return Refused("the word has " + std::to_string(written.size()) +
                   " characters; a written word has at most " +
                   std::to_string(ixo::MaxWrittenWordLength));
  for (const char c : written)
    if (!IsLetter(c) && c != '-')
      return Refused("the word has the character " + Shown(c) +
                     "; a word holds only letters and single hyphens between letters");
  if (written.front() == '-') return Refused("the word begins with a hyphen");
  if (written.back() == '-') return Refused("the word ends with a hyphen");
  if (written.find("--") != std::string_view::npos) return Refused("the word has two hyphens together");

  EncodedWord word;
  int capitals = 0;
  for (const char c : written) {
    if (c == '-') {
      word.stored.back() = static_cast<char>(word.stored.back() | ixo::HyphenBit);
      continue;
    }
    if (IsUpper(c)) ++capitals;
    word.stored += ToLower(c);
  }
  const int letters = static_cast<int>(word.stored.size());
  if (letters > ixo::MaxWordLength)
    return Refused("the word has " + std::to_string(letters) +
                   " letters; the word list holds words of at most " +
                   std::to_string(ixo::MaxWordLength));

  const bool firstCapital = IsUpper(written.front());
  if (capitals == letters && letters > 1) {
    word.caseBits = ixo::KeyAllCapitals;
  } else if (firstCapital && capitals == 1) {
    word.caseBits = ixo::KeyFirstCapital;
  } else if (capitals != 0) {
    return Refused("the word has capitals the text cannot keep: only a capital first letter, "
                   "or every letter a capital");
  }
  return word;
}

}  // namespace data
