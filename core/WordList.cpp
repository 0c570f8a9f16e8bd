#include "core/WordList.h"

#include <algorithm>

#include "core/IxoFormat.h"
#include "core/WordLetters.h"

namespace ixo {
namespace {

std::uint8_t Folded(char c) { return FoldLetter(static_cast<std::uint8_t>(c)); }

// Word index of a group; nothing outside the group's words.
std::optional<std::span<const std::uint8_t>> WordOfGroup(const WordGroupView& group, std::size_t index) {
  const auto length = static_cast<std::size_t>(group.length);
  if (length == 0 || index >= group.words.size() / length) return std::nullopt;
  return group.words.subspan(index * length, length);
}

}  // namespace

bool SameLetters(std::string_view input, std::span<const std::uint8_t> stored) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (i > 0)
      while (at < input.size() && Folded(input[at]) == FoldedHyphen) ++at;
    if (at == input.size() || Folded(input[at]) != FoldLetter(stored[i])) return false;
    ++at;
  }
  return true;
}

std::optional<std::span<const std::uint8_t>> StoredWordOfKey(std::span<const WordGroupView> groups,
                                                             std::uint16_t key) {
  const int number = KeyNumber(key);
  if (number == 0) return std::nullopt;
  int index = number - 1;
  for (const WordGroupView& group : groups) {
    if (group.count == 0) break;  // the end of the list
    if (index < group.count) return WordOfGroup(group, static_cast<std::size_t>(index));
    index -= group.count;
  }
  return std::nullopt;
}

std::string WrittenWord(std::span<const std::uint8_t> stored) {
  std::string written;
  for (const std::uint8_t letter : stored) {
    written += static_cast<char>(letter & LetterMask);
    if (letter & HyphenBit) written += '-';
  }
  return written;
}

std::vector<std::uint16_t> KeysOfLetters(std::span<const WordGroupView> groups, int length,
                                         std::string_view input, std::size_t limit) {
  if (length < 1 || static_cast<std::size_t>(length) > groups.size()) return {};
  const WordGroupView& group = groups[static_cast<std::size_t>(length - 1)];
  // A group in this place that holds words of another length holds none of
  // this length (and would be read with the wrong stride).
  if (group.length != length) return {};
  int base = 1;
  for (int shorter = 0; shorter < length - 1; ++shorter) base += groups[static_cast<std::size_t>(shorter)].count;

  if (input.empty()) return {};

  const auto size = static_cast<std::size_t>(length);
  const std::size_t words = std::min<std::size_t>(static_cast<std::size_t>(group.count), group.words.size() / size);
  // The first letter settles most comparisons, so it is compared here before
  // the whole word.
  const std::uint8_t firstLetter = Folded(input.front());
  std::vector<std::uint16_t> keys;
  for (std::size_t position = 0; position < words && keys.size() < limit; ++position) {
    const std::span<const std::uint8_t> stored = group.words.subspan(position * size, size);
    if (FoldLetter(stored.front()) != firstLetter || !SameLetters(input, stored)) continue;
    const int key = base + static_cast<int>(position);
    if (key > MaxWordNumber) break;  // beyond what a key can number
    keys.push_back(static_cast<std::uint16_t>(key));
  }
  return keys;
}

}  // namespace ixo
