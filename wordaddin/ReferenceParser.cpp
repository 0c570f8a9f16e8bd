#include "ReferenceParser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "platform/TextUtils.h"

namespace wordaddin {
namespace {

// Numbers this large lie beyond every chapter and verse; longer digit runs are
// held at it rather than overflowing.
constexpr long kNumberLimit = 1'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Scan {
  int value = 0;
  std::size_t stop = 0;  // the position (from 1) where the scan stopped; 0 before the text
};

// The decimal number that ends at position `at` (from 1), read backwards: a
// non-digit at `at` is skipped, then digits are read up to the first
// non-digit, where the scan stops. A bounded scan never goes on to position 1.
// at is at most the text's length.
Scan ScanBack(std::string_view s, std::size_t at, bool bounded) {
  if (at == 0) return Scan{};
  const std::size_t lowest = bounded ? 2 : 1;
  long value = 0;
  long weight = 1;
  std::size_t i = at;
  do {
    if (const char c = s[i - 1]; IsDigit(c)) {
      value = std::min(value + (c - '0') * weight, kNumberLimit);
      weight = std::min(weight * 10, kNumberLimit);
    }
    --i;
  } while (i >= lowest && IsDigit(s[i - 1]));
  return Scan{static_cast<int>(value), i};
}

bool IsDashAt(std::string_view s, std::size_t position) { return position >= 1 && s[position - 1] == '-'; }

// "3-5" after the separator at position separator, or "3" alone: the verses.
ReferenceRequest Passage(std::string_view s, std::size_t separator, int chapter) {
  ReferenceRequest request;
  request.chapter = chapter;
  const Scan to = ScanBack(s, s.size(), false);
  request.toVerse = to.value;
  Scan from = to;
  if (IsDashAt(s, to.stop)) from = ScanBack(s, to.stop - 1, false);
  // Anything but the separator before the verses: from verse 1.
  request.fromVerse = from.stop == separator ? from.value : -1;
  return request;
}

ReferenceRequest Chapters(std::string_view s, bool singleChapterBook, int chapterCount) {
  ReferenceRequest request;
  request.kind = ReferenceRequest::Kind::Chapters;
  int first = 1;
  int last = chapterCount;
  if (s.size() >= 2 && !singleChapterBook) {
    last = 0;
    std::size_t i = s.size();
    if (!IsDashAt(s, i)) {
      const Scan scan = ScanBack(s, i, true);
      last = scan.value;
      i = scan.stop;
    }
    if (IsDashAt(s, i)) {
      bool ask = false;
      if (last <= 0) {
        ask = true;
        last = chapterCount;
      }
      first = ScanBack(s, i - 1, false).value;
      if (first <= 0) {
        ask = true;
        first = 1;
      }
      if (ask) {
        request.question = "Do you really want to insert chapters " + std::to_string(first) + "-" +
                           std::to_string(last) + "?";
      }
    } else {
      first = last;
    }
    if (last == 0 && first <= 1 && chapterCount > 1) {
      request.question =
          "Do you really want to insert all " + std::to_string(chapterCount) + " chapters of this book?";
    }
    if (first <= 0) first = last > 0 ? last : 1;
    if (last <= 0) last = chapterCount;
  }
  if (first > last) std::swap(first, last);
  last = std::min(last, chapterCount);
  first = std::min(first, last);
  request.firstChapter = first;
  request.lastChapter = last;
  return request;
}

}  // namespace

bool IsSingleChapterBook(int book) {
  constexpr std::array<int, 5> books{31, 57, 63, 64, 65};
  return std::ranges::find(books, book) != books.end();
}

ReferenceRequest ParseReference(std::string_view text, bool singleChapterBook, int chapterCount) {
  const std::string_view s = platform::TrimBlanks(text);
  // In a book of one chapter the verses follow the last blank, also after a
  // name with a blank in it ("2 John 4").
  std::size_t separator = s.find(':');
  if (separator == std::string_view::npos && singleChapterBook) separator = s.rfind(' ');
  if (separator == std::string_view::npos) return Chapters(s, singleChapterBook, chapterCount);

  const std::size_t position = separator + 1;
  // Without a chapter number before the separator ("Genesis :5") the chapter is 0,
  // which the insertion takes as chapter 1.
  const int chapter = s[separator] == ' ' ? 1 : ScanBack(s, position - 1, true).value;
  return Passage(s, position, chapter);
}

}  // namespace wordaddin
