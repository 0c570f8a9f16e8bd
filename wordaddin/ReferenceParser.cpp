#include "ReferenceParser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "platform/TextUtils.h"

namespace wordaddin {
namespace {

// Numbers this large lie beyond every chapter and verse; longer digit runs are
// held at it rather than overflowing.
constexpr long kNumberLimit = 1'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberSign(char c) { return c == ':' || c == '-'; }

// Where the numbers of a reference begin: the first digit or sign after the
// first character, else the end.
std::size_t NumbersStart(std::string_view s) {
  for (std::size_t i = 1; i < s.size(); ++i)
    if (IsDigit(s[i]) || IsNumberSign(s[i])) return i;
  return s.size();
}

// Reads the numbers and signs of a reference from left to right; blanks
// between them are skipped.
class NumberReader {
 public:
  NumberReader(std::string_view text, std::size_t start) : text_(text), at_(start), lastSign_(start) {}

  std::optional<int> Number() {
    SkipBlanks();
    if (at_ == text_.size() || !IsDigit(text_[at_])) return std::nullopt;
    long value = 0;
    for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_)
      value = std::min(value * 10 + (text_[at_] - '0'), kNumberLimit);
    return static_cast<int>(value);
  }

  // True, with the sign taken, when it comes next.
  bool Sign(char sign) {
    SkipBlanks();
    if (at_ == text_.size() || text_[at_] != sign) return false;
    lastSign_ = at_++;
    return true;
  }

  bool AtEnd() {
    SkipBlanks();
    return at_ == text_.size();
  }

  // What is left from the reading position on; at the end, the last sign,
  // whose number is missing.
  std::string Unread() const { return std::string(text_.substr(at_ < text_.size() ? at_ : lastSign_)); }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }

  std::string_view text_;
  std::size_t at_;
  std::size_t lastSign_;
};

ReferenceRequest Unreadable(const NumberReader& in) {
  ReferenceRequest request;
  request.unread = in.Unread();
  return request;
}

// Puts the chapters in order and into the book's 1..chapterCount; a range
// that ends in a chapter beyond the book runs to the book's end.
ReferenceRequest InBook(ReferenceRequest request, int chapterCount) {
  if (request.lastChapter < request.firstChapter) {
    std::swap(request.firstChapter, request.lastChapter);
    std::swap(request.fromVerse, request.toVerse);
  }
  const int last = std::max(chapterCount, 1);
  if (request.lastChapter > last && request.lastChapter != request.firstChapter) request.toVerse = 0;
  request.firstChapter = std::clamp(request.firstChapter, 1, last);
  request.lastChapter = std::clamp(request.lastChapter, 1, last);
  return request;
}

// The verses of a chapter from the verse already read (none: the sign or the
// end comes next): "V", "V-", "V-W", "V-C:W", "-W" or "-".
ReferenceRequest Verses(NumberReader& in, int chapter, std::optional<int> from, int chapterCount) {
  ReferenceRequest request;
  request.firstChapter = request.lastChapter = chapter;
  request.fromVerse = request.toVerse = from.value_or(0);
  if (in.Sign('-')) {
    request.toVerse = 0;
    if (const std::optional<int> to = in.Number()) {
      request.toVerse = *to;
      if (in.Sign(':')) {
        const std::optional<int> verse = in.Number();
        if (!verse) return Unreadable(in);
        request.lastChapter = *to;
        request.toVerse = *verse;
      }
    }
  } else if (!from) {
    return Unreadable(in);
  }
  if (!in.AtEnd()) return Unreadable(in);
  return InBook(request, chapterCount);
}

// Whole chapters from the number already read: "C", "C-D", "C-", "-D", "-" or
// nothing. An open end or start asks first, as does the whole book.
ReferenceRequest Chapters(NumberReader& in, std::optional<int> number, int chapterCount) {
  int first = number.value_or(0);
  int last = first;
  const bool range = in.Sign('-');
  if (range) last = in.Number().value_or(0);
  if (!in.AtEnd()) return Unreadable(in);

  ReferenceRequest request;
  if (range && (first <= 0 || last <= 0)) {
    if (last <= 0) last = chapterCount;
    if (first <= 0) first = 1;
    request.question =
        "Do you really want to insert chapters " + std::to_string(first) + "-" + std::to_string(last) + "?";
  } else if (first <= 0) {
    first = 1;
    last = chapterCount;
    if (chapterCount > 1)
      request.question =
          "Do you really want to insert all " + std::to_string(chapterCount) + " chapters of this book?";
  }
  request.firstChapter = first;
  request.lastChapter = last;
  return InBook(std::move(request), chapterCount);
}

}  // namespace

bool IsSingleChapterBook(int book) {
  constexpr std::array<int, 5> books{31, 57, 63, 64, 65};
  return std::ranges::find(books, book) != books.end();
}

ReferenceRequest ParseReference(std::string_view text, bool singleChapterBook, int chapterCount) {
  const std::string_view s = platform::TrimBlanks(text);
  NumberReader in(s, NumbersStart(s));
  const std::optional<int> number = in.Number();
  // Without a chapter before the separator (":5") the chapter is 1.
  if (in.Sign(':')) return Verses(in, number.value_or(1), in.Number(), chapterCount);
  if (!singleChapterBook) return Chapters(in, number, chapterCount);
  // In a book of one chapter the numbers are its verses; none: the whole book.
  if (!number && in.AtEnd()) return ReferenceRequest{};
  return Verses(in, 1, number, chapterCount);
}

}  // namespace wordaddin
