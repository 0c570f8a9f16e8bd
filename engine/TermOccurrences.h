#pragma once
// The occurrences in the text of the terms of one kind (word keys, or the
// Strong's numbers of one language). The first few terms asked for are each
// found by a walk of the text of their own, which is cheap; when more are
// asked for, a table of every term is built by two walks (count, then fill)
// and answers from then on. So a single look-up after loading stays quick,
// and many look-ups (a word's related words, a long word list) pay for the
// table once instead of one walk each. Whatever is found is kept.

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace engine {

template <typename Item>
class TermOccurrences {
 public:
  // Terms found by walks of their own before the table is built: a table
  // costs about as much as this many walks, and a search seldom asks for more.
  static constexpr std::size_t WalksBeforeTable = 8;

  // The items of term (below terms). walk(term) returns them in text order;
  // visit(add) calls add(term, item) for every occurrence of every term in
  // text order.
  template <typename Walk, typename Visit>
  std::span<const Item> Of(std::uint16_t term, std::size_t terms, Walk walk, Visit visit) {
    if (offsets_.empty()) {
      if (const auto found = walked_.find(term); found != walked_.end()) return found->second;
      if (walked_.size() < WalksBeforeTable) return walked_.emplace(term, walk(term)).first->second;
      BuildTable(terms, visit);
    }
    return std::span<const Item>(items_).subspan(offsets_[term], offsets_[term + 1] - offsets_[term]);
  }

 private:
  template <typename Visit>
  void BuildTable(std::size_t terms, Visit visit) {
    std::vector<std::uint32_t> counts(terms, 0);
    visit([&](std::uint16_t term, const Item&) { ++counts[term]; });
    offsets_.assign(terms + 1, 0);
    for (std::size_t t = 0; t < terms; ++t) offsets_[t + 1] = offsets_[t] + counts[t];
    items_.resize(offsets_.back());
    std::vector<std::uint32_t> next(offsets_.begin(), offsets_.end() - 1);
    visit([&](std::uint16_t term, const Item& item) { items_[next[term]++] = item; });
  }

  std::unordered_map<std::uint16_t, std::vector<Item>> walked_;
  std::vector<std::uint32_t> offsets_;  // the table: items of term t are [offsets_[t], offsets_[t + 1])
  std::vector<Item> items_;
};

}  // namespace engine
