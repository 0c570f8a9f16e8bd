#include "StringList.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "TextUtils.h"

namespace platform {
namespace {

// With regard to case, in the order of the system's word lists: letters
// compare as without case first; of two texts that differ only in case, the
// one whose first differing letter is lower case comes first ("a" < "A" < "b").
int CompareWithCase(std::string_view a, std::string_view b) {
  if (const int folded = CompareText(a, b); folded != 0) return folded;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    return (a[i] >= 'a' && a[i] <= 'z') ? -1 : 1;
  }
  return 0;
}

// The first eight characters of a text folded to lower case, the first in the
// highest byte, zeros past its end: of two texts whose prefixes differ, the
// one with the lower prefix sorts first, with or without regard to case. The
// eight are folded at once: a byte of A to Z gets the bit of lower case.
std::uint64_t FoldedPrefix(std::string_view text) {
  constexpr std::uint64_t Ones = 0x0101010101010101u;
  constexpr std::uint64_t HighBits = Ones * 0x80;
  std::uint64_t bytes = 0;
  std::memcpy(&bytes, text.data(), std::min(text.size(), sizeof bytes));
  // Below 0x80, each byte plus these gets its high bit from 'A' on and from
  // past 'Z' on, without carrying into the next byte.
  const std::uint64_t seven = bytes & ~HighBits;
  const std::uint64_t fromA = (seven + Ones * (0x80 - 'A')) & HighBits;
  const std::uint64_t pastZ = (seven + Ones * (0x80 - 'Z' - 1)) & HighBits;
  const std::uint64_t upper = fromA & ~pastZ & ~bytes;
  bytes |= upper >> 2;  // 0x80 >> 2: the bit of lower case
  if constexpr (std::endian::native == std::endian::little) bytes = __builtin_bswap64(bytes);
  return bytes;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The item between quotes starting at text[pos] (the opening quote); a doubled
// quote stands for one. pos ends after the closing quote. Without a closing
// quote the item runs to the end of the text.
std::string ExtractQuoted(std::string_view text, std::size_t& pos, char quote) {
  std::string item;
  ++pos;
  while (pos < text.size()) {
    const std::size_t next = text.find(quote, pos);
    if (next == std::string_view::npos) {
      item.append(text.substr(pos));
      pos = text.size();
      break;
    }
    item.append(text.substr(pos, next - pos));
    pos = next + 1;
    if (pos < text.size() && text[pos] == quote) {
      item += quote;
      ++pos;
    } else {
      break;
    }
  }
  return item;
}

}  // namespace

TStringList TStringList::SortedUnique() {
  TStringList list;
  list.SetDuplicates(Duplicates::Ignore);
  list.SetSorted(true);
  return list;
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) {
    sorted_ = true;
    Sort();
  }
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

int TStringList::Compare(std::string_view a, std::string_view b) const {
  return caseSensitive_ ? CompareWithCase(a, b) : CompareText(a, b);
}

void TStringList::Sort() { SortInOrder(items_); }

void TStringList::SortInOrder(std::vector<std::string>& items) const {
  if (items.size() < 2) return;
  // Items are ranked by their folded prefixes, which settle most comparisons
  // in one step; equal prefixes are compared in full, and equal items keep
  // their order. The ranks are sorted, and the texts moved once.
  struct Ranked {
    std::uint64_t prefix;
    std::uint32_t index;
  };
  // A few items are ranked without an allocation.
  constexpr std::size_t FewItems = 32;
  std::array<Ranked, FewItems> few;
  std::vector<Ranked> many(items.size() > FewItems ? items.size() : 0);
  const std::span<Ranked> order = many.empty() ? std::span(few).first(items.size()) : std::span(many);
  for (std::size_t i = 0; i < items.size(); ++i) order[i] = {FoldedPrefix(items[i]), static_cast<std::uint32_t>(i)};
  const auto before = [&](const Ranked& a, const Ranked& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const int compared = Compare(items[a.index], items[b.index]);
    return compared != 0 ? compared < 0 : a.index < b.index;
  };
  if (std::ranges::is_sorted(order, before)) return;
  std::ranges::sort(order, before);
  std::vector<std::string> sorted;
  sorted.reserve(items.size());
  for (const Ranked& ranked : order) sorted.push_back(std::move(items[ranked.index]));
  items.swap(sorted);
}

int TStringList::Add(std::string_view item) {
  if (!sorted_) {
    items_.emplace_back(item);
    return static_cast<int>(items_.size()) - 1;
  }
  // An item after the last needs no search and no move.
  if (!items_.empty() && Compare(items_.back(), item) < 0) {
    items_.emplace_back(item);
    return static_cast<int>(items_.size()) - 1;
  }
  int index = 0;
  if (Find(item, index)) {
    if (duplicates_ == Duplicates::Ignore) return index;
    if (duplicates_ == Duplicates::Error) return -1;
  }
  items_.insert(items_.begin() + index, std::string(item));
  return index;
}

bool TStringList::Insert(std::size_t index, std::string_view item) {
  if (sorted_ || index > items_.size()) return false;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::string(item));
  return true;
}

void TStringList::Delete(std::size_t index) {
  if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TStringList::Assign(const std::vector<std::string>& items) {
  items_.clear();
  for (const std::string& item : items) Add(item);
}

void TStringList::AddAll(std::vector<std::string> items) {
  if (sorted_) SortInOrder(items);
  // Items that all sort after the last of a list that keeps no duplicates are
  // moved to its end, each but the first of a run of equal ones dropped, as
  // Add would; otherwise (equal ones in a list that accepts them go before
  // the one already there) each is added in its place.
  const bool allAfterLast = items_.empty() || items.empty() || Compare(items_.back(), items.front()) < 0;
  if (sorted_ && !(allAfterLast && duplicates_ != Duplicates::Accept)) {
    for (const std::string& item : items) Add(item);
    return;
  }
  if (sorted_) {
    // Equal in this list's order: with regard to case, the same text.
    const auto equal = [this](const std::string& a, const std::string& b) {
      return caseSensitive_ ? a == b : SameText(a, b);
    };
    items.erase(std::unique(items.begin(), items.end(), equal), items.end());
  }
  if (items_.empty()) {
    items_ = std::move(items);
    return;
  }
  items_.insert(items_.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
}

int TStringList::IndexOf(std::string_view item) const {
  int index = 0;
  return Find(item, index) ? index : -1;
}

bool TStringList::Find(std::string_view item, int& index) const {
  if (!sorted_) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const std::string& s) { return Compare(s, item) == 0; });
    index = static_cast<int>(found - items_.begin());
    return found != items_.end();
  }
  const auto found = std::lower_bound(
      items_.begin(), items_.end(), item,
      [this](const std::string& s, std::string_view wanted) { return Compare(s, wanted) < 0; });
  index = static_cast<int>(found - items_.begin());
  return found != items_.end() && Compare(*found, item) == 0;
}

std::string TStringList::Name(std::size_t index) const {
  if (index >= items_.size()) return {};
  const std::string& item = items_[index];
  const auto equals = item.find('=');
  return equals == std::string::npos ? std::string() : item.substr(0, equals);
}

std::string TStringList::ValueFromIndex(std::size_t index) const {
  if (index >= items_.size()) return {};
  const std::string& item = items_[index];
  const auto equals = item.find('=');
  return equals == std::string::npos ? std::string() : item.substr(equals + 1);
}

int TStringList::IndexOfName(std::string_view name) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const std::string_view item = items_[i];
    const auto equals = item.find('=');
    if (equals != std::string_view::npos && Compare(item.substr(0, equals), name) == 0)
      return static_cast<int>(i);
  }
  return -1;
}

std::string TStringList::Value(std::string_view name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(static_cast<std::size_t>(index));
}

void TStringList::SetValue(std::string_view name, std::string_view value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(static_cast<std::size_t>(index));
    return;
  }
  std::string entry = std::string(name) + "=" + std::string(value);
  if (index >= 0 && !sorted_) {
    items_[static_cast<std::size_t>(index)] = std::move(entry);
    return;
  }
  if (index >= 0) Delete(static_cast<std::size_t>(index));
  Add(entry);
}

std::string TStringList::CommaText() const { return Join(',', '"', false); }

void TStringList::SetCommaText(std::string_view text) { Split(text, ',', '"', false); }

std::string TStringList::DelimitedText() const { return Join(delimiter_, quote_, strict_); }

void TStringList::SetDelimitedText(std::string_view text) { Split(text, delimiter_, quote_, strict_); }

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& item : items_) {
    text += item;
    text += "\r\n";
  }
  return text;
}

std::string TStringList::Join(char delimiter, char quote, bool strict) const {
  // A single empty item is written as two quotes, so that it reads back as an
  // item; empty items among others need no quotes.
  if (items_.size() == 1 && items_[0].empty()) return std::string(2, quote);
  std::string text;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i > 0) text += delimiter;
    const std::string& item = items_[i];
    const bool needsQuotes = std::any_of(item.begin(), item.end(), [&](char c) {
      return c == '\0' || c == quote || c == delimiter || (!strict && IsBlankOrControl(c));
    });
    if (!needsQuotes) {
      text += item;
      continue;
    }
    text += quote;
    for (char c : item) {
      if (c == quote) text += quote;
      text += c;
    }
    text += quote;
  }
  return text;
}

void TStringList::Split(std::string_view text, char delimiter, char quote, bool strict) {
  Clear();
  const auto isBlank = [strict](char c) { return !strict && IsBlankOrControl(c); };
  const auto skipBlanks = [&](std::size_t& pos) {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
  };
  std::size_t pos = 0;
  skipBlanks(pos);
  while (pos < text.size()) {
    std::string item;
    if (text[pos] == quote) {
      item = ExtractQuoted(text, pos, quote);
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && text[pos] != delimiter && !isBlank(text[pos])) ++pos;
      item = std::string(text.substr(start, pos - start));
    }
    Add(item);
    skipBlanks(pos);
    if (pos < text.size() && text[pos] == delimiter) {
      ++pos;
      if (pos == text.size()) Add("");  // a delimiter at the very end ends an empty item
      skipBlanks(pos);
    }
  }
}

}  // namespace platform
