#include "EnglishWordList.h"

#include <algorithm>
#include <limits>

#include "core/IxoFormat.h"
#include "core/WholeEdition.h"
#include "core/WordLetters.h"
#include "core/WordList.h"
#include "platform/Dialogs.h"

namespace engine {

bool EnglishWordList::Init(std::span<const std::uint8_t> data) {
  EnglishMaxLen = 0;
  EnglishGroups = {};
  byFirstLetter_ = {};
  const ixo::WordListCheck list = ixo::CheckWordList(data);
  if (!list.problems.empty()) {
    platform::MessageBox("Bad English data file.", "Error", platform::DialogButtons::OK,
                         platform::DialogType::Error);
    return false;
  }
  EnglishMaxLen = data[0];
  std::ranges::copy(list.groups, EnglishGroups.begin() + 1);
  byFirstLetter_ = ixo::FirstLetterIndex(Groups());
  return true;
}

std::span<const EnglishGroup> EnglishWordList::Groups() const { return std::span(EnglishGroups).subspan(1); }

std::vector<std::uint16_t> EnglishWordList::MatchingKeys(std::string_view word, std::size_t limit) const {
  const auto length = static_cast<int>(word.size() - std::ranges::count_if(word, ixo::FoldsToHyphen));
  if (length < 1 || length > ixo::MaxWordLength) return {};
  // Hyphens before the first letter are skipped too.
  return ixo::KeysOfLetters(Groups(), byFirstLetter_, length, ixo::WithoutLeadingHyphens(word), limit);
}

std::uint16_t EnglishWordList::WordToKey(std::string_view word) const {
  const std::vector<std::uint16_t> keys = MatchingKeys(word, 1);
  return keys.empty() ? 0 : keys.front();
}

std::vector<std::uint16_t> EnglishWordList::KeysForWord(std::string_view word) const {
  return MatchingKeys(word, std::numeric_limits<std::size_t>::max());
}

std::string EnglishWordList::KeyToWord(std::uint16_t key) const {
  const auto stored = ixo::StoredWordOfKey(Groups(), key);
  return stored ? ixo::WrittenWord(*stored) : std::string();
}

std::vector<std::string> EnglishWordList::KeysToWords(std::span<const std::uint16_t> keys) const {
  return ixo::WrittenWordsOfKeys(Groups(), keys);
}

std::string EnglishWordList::KeyToDisplayWord(std::uint16_t key) const {
  std::string word = KeyToWord(key);
  ixo::ApplyKeyCase(key, word);
  return word;
}

}  // namespace engine
