// String lists: comma text and delimited text, read in every list mode.
//
// Input: a byte of settings (bit 0 sorted, bit 1 case-sensitive, bits 2-3
// the duplicates rule, bit 4 strict), the delimiter, the quote character,
// then the text.
//
// Properties: what a list writes reads back as the same items, in delimited
// and in comma text; a sorted list is in order and keeps its duplicates rule;
// every item is found where it stands and splits into name and value at its
// first "=".

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "platform/StringList.h"

namespace {

using platform::Duplicates;
using platform::TStringList;

TStringList ListLike(const TStringList& model) {
  TStringList list;
  list.SetSorted(model.Sorted());
  list.SetCaseSensitive(model.CaseSensitive());
  list.SetDuplicates(model.DuplicatesMode());
  list.SetDelimiter(model.Delimiter());
  list.SetQuoteChar(model.QuoteChar());
  list.SetStrictDelimiter(model.StrictDelimiter());
  return list;
}

void CheckOrderAndDuplicates(const TStringList& list) {
  if (!list.Sorted()) return;
  for (std::size_t i = 1; i < list.Count(); ++i) {
    const int order = list.Compare(list[i - 1], list[i]);
    FUZZ_CHECK(order <= 0);
    if (list.DuplicatesMode() != Duplicates::Accept) FUZZ_CHECK(order != 0);
  }
}

void CheckLookUps(const TStringList& list) {
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const int found = list.IndexOf(list[i]);
    FUZZ_CHECK(found >= 0 && list.Compare(list[static_cast<std::size_t>(found)], list[i]) == 0);
    const std::string& item = list[i];
    const std::size_t equals = item.find('=');
    if (equals == std::string::npos) {
      FUZZ_CHECK(list.Name(i).empty() && list.ValueFromIndex(i).empty());
    } else {
      FUZZ_CHECK(list.Name(i) + "=" + list.ValueFromIndex(i) == item);
    }
  }
}

// The items, of a sorted list with those it holds as equal in one order: a
// sorted list adds an item before the ones equal to it, so reading its own
// text back may reverse those.
std::vector<std::string> Canonical(const TStringList& list) {
  std::vector<std::string> items = list.Items();
  if (list.Sorted()) {
    std::ranges::sort(items, [&](const std::string& a, const std::string& b) {
      const int order = list.Compare(a, b);
      return order < 0 || (order == 0 && a < b);
    });
  }
  return items;
}

// Items written as delimited text come back as they were: a list that sorts
// or drops duplicates has done so already, so reading them again changes nothing.
void CheckDelimitedRoundTrip(const TStringList& list) {
  // A delimiter that is the quote, or (not strict) a delimiter or quote that
  // is a blank or control character, which separates like any blank, cannot
  // be told apart in the text.
  if (list.Delimiter() == list.QuoteChar()) return;
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  if (!list.StrictDelimiter() && (blank(list.Delimiter()) || blank(list.QuoteChar()))) return;
  TStringList again = ListLike(list);
  again.SetDelimitedText(list.DelimitedText());
  FUZZ_CHECK(Canonical(again) == Canonical(list));
}

void CheckCommaRoundTrip(const TStringList& list) {
  TStringList again = ListLike(list);
  again.SetCommaText(list.CommaText());
  FUZZ_CHECK(Canonical(again) == Canonical(list));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t settings = data[0];
  TStringList list;
  list.SetSorted(settings & 1);
  list.SetCaseSensitive(settings & 2);
  list.SetDuplicates(static_cast<Duplicates>(((settings >> 2) & 3) % 3));
  list.SetStrictDelimiter(settings & 16);
  list.SetDelimiter(static_cast<char>(data[1]));
  list.SetQuoteChar(static_cast<char>(data[2]));
  const std::string_view text = fuzz::AsText(std::span(data + 3, size - 3));

  list.SetDelimitedText(text);
  CheckOrderAndDuplicates(list);
  CheckLookUps(list);
  CheckDelimitedRoundTrip(list);
  CheckCommaRoundTrip(list);

  list.SetCommaText(text);
  CheckOrderAndDuplicates(list);
  CheckCommaRoundTrip(list);
  return 0;
}
