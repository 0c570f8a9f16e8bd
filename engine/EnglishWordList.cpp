#include "EnglishWordList.h"

#include <algorithm>
#include <limits>

#include "core/IxoFormat.h"
#include "core/WholeEdition.h"
#include "ixoutils.h"
#include "platform/Dialogs.h"

namespace engine {
namespace {

bool IsHyphen(char c) { return FoldLetter(static_cast<std::uint8_t>(c)) == 0x0D; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool EnglishWordList::Init(std::span<const std::uint8_t> data) {
  EnglishMaxLen = 0;
  EnglishGroups = {};
  const ixo::WordListCheck list = ixo::CheckWordList(data);
  if (!list.problems.empty()) {
    platform::MessageBox("Bad English data file.", "Error", platform::DialogButtons::OK,
                         platform::DialogType::Error);
    return false;
  }
  EnglishMaxLen = data[0];
  for (const ixo::WordGroupView& group : list.groups)
    EnglishGroups[group.length] = EnglishGroup{static_cast<std::uint16_t>(group.count),
                                               static_cast<std::uint16_t>(group.length), group.words.data()};
  return true;
}

std::vector<std::uint16_t> EnglishWordList::MatchingKeys(std::string_view word, std::size_t limit) const {
  int length = 0;
  for (char c : word)
    if (!IsHyphen(c)) ++length;
  if (length < 1 || length > ixo::MaxWordLength) return {};

  std::uint32_t base = 1;
  for (int shorter = 1; shorter < length; ++shorter) base += EnglishGroups[shorter].count;
  const EnglishGroup& group = EnglishGroups[length];
  // The first letter settles most comparisons, so it is compared here before
  // the whole word.
  const auto letter = std::ranges::find_if_not(word, IsHyphen);
  const std::uint8_t firstLetter = FoldLetter(static_cast<std::uint8_t>(*letter));
  std::vector<std::uint16_t> keys;
  for (int p = 0; p < group.count && keys.size() < limit; ++p) {
    const std::uint8_t* stored = group.words + std::size_t(p) * length;
    if (FoldLetter(stored[0]) != firstLetter || !CompareEnglishWord(word, stored, length)) continue;
    const std::uint32_t key = base + p;
    if (key > ixo::KeyNumberMask) break;  // beyond what a key can number
    keys.push_back(static_cast<std::uint16_t>(key));
  }
  return keys;
}

std::uint16_t EnglishWordList::WordToKey(std::string_view word) const {
  const std::vector<std::uint16_t> keys = MatchingKeys(word, 1);
  return keys.empty() ? 0 : keys.front();
}

std::vector<std::uint16_t> EnglishWordList::KeysForWord(std::string_view word) const {
  return MatchingKeys(word, std::numeric_limits<std::size_t>::max());
}

std::string EnglishWordList::KeyToWord(std::uint16_t key) const {
  int index = ixo::KeyNumber(key) - 1;
  if (index < 0) return {};
  for (int length = 1; length <= ixo::MaxWordLength; ++length) {
    const EnglishGroup& group = EnglishGroups[length];
    if (index < group.count) return DecodeEnglishWord(group.words, index, length);
    index -= group.count;
  }
  return {};
}

std::string EnglishWordList::KeyToDisplayWord(std::uint16_t key) const {
  std::string word = KeyToWord(key);
  if (word.empty()) return word;
  if (ixo::KeyHasAllCapitals(key)) {
    for (char& c : word) c = Upper(c);
  } else if (ixo::KeyHasFirstCapital(key)) {
    word[0] = Upper(word[0]);
  }
  return word;
}

}  // namespace engine
