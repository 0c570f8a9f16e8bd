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

namespace {

// Makes written the word as stored, written (WrittenWord).
void AssignWrittenWord(std::string& written, std::span<const std::uint8_t> stored) {
  const auto hyphens = std::ranges::count_if(stored, [](std::uint8_t letter) { return (letter & HyphenBit) != 0; });
  if (hyphens == 0) {  // the letters as they are
    written.assign(reinterpret_cast<const char*>(stored.data()), stored.size());
    return;
  }
  written.assign(stored.size() + static_cast<std::size_t>(hyphens), '-');
  std::size_t at = 0;
  for (const std::uint8_t letter : stored) {
    written[at++] = static_cast<char>(letter & LetterMask);
    if (letter & HyphenBit) ++at;  // past the hyphen already there
  }
}

}  // namespace

std::string WrittenWord(std::span<const std::uint8_t> stored) {
  std::string written;
  AssignWrittenWord(written, stored);
  return written;
}

std::vector<std::string> WrittenWordsOfKeys(std::span<const WordGroupView> groups,
                                            std::span<const std::uint16_t> keys) {
  std::vector<std::string> words;
  words.reserve(keys.size());
  for (const std::uint16_t key : keys)
    if (const auto stored = StoredWordOfKey(groups, key)) AssignWrittenWord(words.emplace_back(), *stored);
  return words;
}

namespace {

// The group of words of length letters and the key of its first word.
struct LengthGroup {
  const WordGroupView& group;
  int base = 1;
  std::size_t words = 0;  // whole words inside the group
};

std::size_t WholeWords(const WordGroupView& group) {
  const auto size = static_cast<std::size_t>(group.length);
  if (size == 0) return 0;
  return std::min<std::size_t>(static_cast<std::size_t>(std::max(group.count, 0)), group.words.size() / size);
}

std::optional<LengthGroup> GroupOfLength(std::span<const WordGroupView> groups, int length) {
  if (length < 1 || static_cast<std::size_t>(length) > groups.size()) return std::nullopt;
  const WordGroupView& group = groups[static_cast<std::size_t>(length - 1)];
  // A group in this place that holds words of another length holds none of
  // this length (and would be read with the wrong stride).
  if (group.length != length) return std::nullopt;
  int base = 1;
  for (int shorter = 0; shorter < length - 1; ++shorter) base += groups[static_cast<std::size_t>(shorter)].count;
  return LengthGroup{group, base, WholeWords(group)};
}

// The keys of the words at positionAt(0) to positionAt(count - 1), which
// ascend, whose letters are those of input.
template <typename PositionAt>
std::vector<std::uint16_t> KeysAt(const LengthGroup& at, std::size_t count, PositionAt positionAt,
                                  std::string_view input, std::size_t limit) {
  const auto size = static_cast<std::size_t>(at.group.length);
  // The first two letters settle most comparisons, so they are compared here
  // before the whole word. The input's second letter is its first character
  // after the first that is not a hyphen; none when it runs out (then no
  // word of two letters or more matches).
  const std::uint8_t firstLetter = Folded(input.front());
  std::size_t second = 1;
  while (second < input.size() && Folded(input[second]) == FoldedHyphen) ++second;
  const int secondLetter = second < input.size() ? Folded(input[second]) : -1;
  std::vector<std::uint16_t> keys;
  for (std::size_t n = 0; n < count; ++n) {
    const std::size_t position = positionAt(n);
    if (keys.size() >= limit || position >= at.words) break;
    const std::span<const std::uint8_t> stored = at.group.words.subspan(position * size, size);
    if (FoldLetter(stored.front()) != firstLetter) continue;
    if (size > 1 && FoldLetter(stored[1]) != secondLetter) continue;
    if (!SameLetters(input, stored)) continue;
    const int key = at.base + static_cast<int>(position);
    if (key > MaxWordNumber) break;  // beyond what a key can number
    keys.push_back(static_cast<std::uint16_t>(key));
  }
  return keys;
}

}  // namespace

std::vector<std::uint16_t> KeysOfLetters(std::span<const WordGroupView> groups, int length,
                                         std::string_view input, std::size_t limit) {
  const std::optional<LengthGroup> group = GroupOfLength(groups, length);
  if (!group || input.empty()) return {};
  return KeysAt(*group, group->words, [](std::size_t n) { return n; }, input, limit);
}

FirstLetterIndex::FirstLetterIndex(std::span<const WordGroupView> groups) {
  // A counting sort of each group's positions by first letter.
  offsets_.assign(groups.size() * Letters + 1, 0);
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const auto size = static_cast<std::size_t>(groups[g].length);
    for (std::size_t position = 0; position < WholeWords(groups[g]); ++position)
      ++offsets_[g * Letters + FoldLetter(groups[g].words[position * size]) + 1];
  }
  for (std::size_t entry = 1; entry < offsets_.size(); ++entry) offsets_[entry] += offsets_[entry - 1];
  positions_.resize(offsets_.back());
  std::vector<std::uint32_t> next(offsets_.begin(), offsets_.end() - 1);
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const auto size = static_cast<std::size_t>(groups[g].length);
    for (std::size_t position = 0; position < WholeWords(groups[g]); ++position) {
      std::uint32_t& at = next[g * Letters + FoldLetter(groups[g].words[position * size])];
      positions_[at++] = static_cast<std::uint16_t>(position);
    }
  }
}

std::span<const std::uint16_t> FirstLetterIndex::Positions(std::size_t group, std::uint8_t letter) const {
  const std::size_t entry = group * Letters + letter;
  if (letter >= Letters || entry + 1 >= offsets_.size()) return {};
  return std::span(positions_).subspan(offsets_[entry], offsets_[entry + 1] - offsets_[entry]);
}

std::vector<std::uint16_t> KeysOfLetters(std::span<const WordGroupView> groups, const FirstLetterIndex& index,
                                         int length, std::string_view input, std::size_t limit) {
  const std::optional<LengthGroup> group = GroupOfLength(groups, length);
  if (!group || input.empty()) return {};
  const std::span<const std::uint16_t> positions =
      index.Positions(static_cast<std::size_t>(length - 1), Folded(input.front()));
  return KeysAt(*group, positions.size(), [positions](std::size_t n) { return std::size_t{positions[n]}; }, input, limit);
}

}  // namespace ixo
