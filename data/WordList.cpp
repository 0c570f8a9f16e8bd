#include "data/WordList.h"

#include <algorithm>

namespace data {

std::size_t WordList::Add(const std::string& stored) {
  const auto [entry, added] = ids_.try_emplace(stored, words_.size());
  if (added) {
    words_.push_back(stored);
    groups_[stored.size()].push_back(entry->second);
  }
  return entry->second;
}

void WordList::PadEmptyLengths() {
  for (std::size_t length = 1; length <= ixo::MaxWordLength; ++length)
    if (groups_[length].empty()) Add(std::string(length, 'q'));
}

int WordList::FirstEmptyLength() const {
  for (std::size_t length = 1; length <= ixo::MaxWordLength; ++length)
    if (groups_[length].empty()) return static_cast<int>(length);
  return 0;
}

void WordList::Number() {
  numbers_.assign(words_.size(), 0);
  int number = 0;
  for (auto& group : groups_) {
    std::sort(group.begin(), group.end(),
              [this](std::size_t a, std::size_t b) { return words_[a] < words_[b]; });
    for (const std::size_t id : group) numbers_[id] = static_cast<std::uint16_t>(++number);
  }
}

std::string WordList::Bytes() const {
  std::string bytes{static_cast<char>(ixo::MaxWordLength), '\0'};
  for (std::size_t length = 1; length <= ixo::MaxWordLength; ++length) {
    const std::size_t count = groups_[length].size();
    bytes += static_cast<char>(length);
    bytes += '\0';
    bytes += static_cast<char>(count & 0xFF);
    bytes += static_cast<char>(count >> 8);
    for (const std::size_t id : groups_[length]) bytes += words_[id];
  }
  return bytes;
}

}  // namespace data
