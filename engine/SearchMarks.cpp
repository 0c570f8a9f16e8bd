#include "SearchMarks.h"

namespace engine {

void SearchMarks::Clear() {
  WordMarks.clear();
  BookMarks = {};
  runs_ = {};
}

void SearchMarks::Size(std::uint32_t lastWordNumber) {
  WordMarks = std::vector<std::uint16_t>(std::size_t{lastWordNumber} + 1);  // cleared at once
  BookMarks = {};
  runs_ = {};
}

void SearchMarks::Mark(int book, std::span<const std::uint32_t> wordNumbers, std::uint16_t mask) {
  if (book < 1 || book > ixo::BookCount) return;
  for (int condition = 1; condition <= ConditionCount; ++condition) {
    const std::uint16_t bit = ConditionMask(condition);
    if ((mask & bit) == 0) continue;
    std::vector<Run>& runs = runs_[condition];
    Run* run = runs.empty() ? nullptr : &runs.back();  // the last run, which holds at least one word
    for (std::size_t i = 0; i < wordNumbers.size(); ++i) {
      const std::uint32_t wordNumber = wordNumbers[i];
      if (wordNumber == 0 || wordNumber >= WordMarks.size() || (WordMarks[wordNumber] & bit)) continue;
      WordMarks[wordNumber] |= bit;
      BookMarks[book] |= bit;
      if (!run || wordNumber < run->back()) {
        run = &runs.emplace_back();
        run->reserve(wordNumbers.size() - i);  // room for the rest of these words
      }
      run->push_back(wordNumber);
    }
  }
}

void SearchMarks::ClearCondition(int condition) {
  const std::uint16_t mask = ConditionMask(condition);
  if (mask == 0) return;
  const auto keep = static_cast<std::uint16_t>(~mask);
  for (const Run& run : runs_[condition])
    for (const std::uint32_t wordNumber : run) WordMarks[wordNumber] &= keep;
  for (std::uint16_t& marks : BookMarks) marks &= keep;
  runs_[condition].clear();
}

void SearchMarks::ClearAllMarks() {
  for (int condition = 1; condition <= ConditionCount; ++condition) ClearCondition(condition);
  BookMarks = {};
}

std::span<const SearchMarks::Run> SearchMarks::MarkedRuns(int condition) const {
  if (condition < 1 || condition > ConditionCount) return {};
  return runs_[condition];
}

}  // namespace engine
