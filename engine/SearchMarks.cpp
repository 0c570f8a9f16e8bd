#include "SearchMarks.h"

#include <algorithm>

namespace engine {

void SearchMarks::Clear() {
  WordMarks.clear();
  BookMarks = {};
}

void SearchMarks::Size(std::uint32_t lastWordNumber) {
  WordMarks.assign(std::size_t{lastWordNumber} + 1, 0);
  BookMarks = {};
}

void SearchMarks::ClearCondition(int condition) {
  const std::uint16_t mask = ConditionMask(condition);
  if (mask == 0) return;
  const auto keep = static_cast<std::uint16_t>(~mask);
  for (std::uint16_t& marks : WordMarks) marks &= keep;
  for (std::uint16_t& marks : BookMarks) marks &= keep;
}

void SearchMarks::ClearAllMarks() {
  std::ranges::fill(WordMarks, 0);
  BookMarks = {};
}

}  // namespace engine
