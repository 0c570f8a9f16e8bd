#include "publish/FindBookByName.h"

#include <string>
#include <utility>

#include "core/WordLetters.h"

namespace publish {
namespace {

// True when text begins with key, compared without regard to case. An empty
// key names nothing.
bool StartsWithKey(std::string_view text, std::string_view key) {
  if (key.empty() || text.size() < key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i)
    if (ixo::UpperLetter(text[i]) != ixo::UpperLetter(key[i])) return false;
  return true;
}

template <typename KeyOf>
int FirstMatch(std::string_view text, std::span<const BookNameKey> books, KeyOf keyOf) {
  for (std::size_t i = 0; i < books.size(); ++i)
    if (StartsWithKey(text, keyOf(books[i]))) return static_cast<int>(i) + 1;
  return 0;
}

// The name with a leading Roman numeral of a book's number, followed by a
// blank ("I Samuel", "II Kings", "III John"), written as its digit: no short
// form is to take the numeral for the start of another book's name ("Is").
std::string WithDigitForNumeral(std::string_view name) {
  constexpr std::pair<std::string_view, char> kNumerals[] = {{"III ", '3'}, {"II ", '2'}, {"I ", '1'}};
  for (const auto& [numeral, digit] : kNumerals)
    if (StartsWithKey(name, numeral)) return digit + std::string(name.substr(numeral.size() - 1));
  return std::string(name);
}

}  // namespace

int FindBookByName(std::string_view name, std::span<const BookNameKey> books) {
  if (name.empty()) return 0;
  std::string text = WithDigitForNumeral(name);
  if (text.size() >= 2 && text[1] == ' ') text.erase(1, 1);

  if (int book = FirstMatch(text, books, [](const BookNameKey& b) { return b.name; })) return book;
  if (int book = FirstMatch(text, books, [](const BookNameKey& b) { return b.abbrev; })) return book;
  return FirstMatch(text, books, [](const BookNameKey& b) { return b.altAbbrev; });
}

}  // namespace publish
