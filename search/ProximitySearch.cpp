#include "ProximitySearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <vector>

#include "ConditionSet.h"
#include "SearchText.h"
#include "engine/SearchMarks.h"

namespace search {
namespace {

using engine::SearchMarks;

// Adds the verses of one book that meet to result, each once, under the verse
// of its first hit.
class BookHits {
 public:
  BookHits(SearchResult& result, int book, std::string_view name)
      : result_(result), book_(book), name_(name) {}

  void Report(int chapter, int verse, std::uint32_t wordNumber) {
    if (chapter == lastChapter_ && verse == lastVerse_) return;
    if (!bookAdded_) {
      result_.Books.push_back(ResultBook{book_, BookDisplayName(name_), {}});
      bookAdded_ = true;
    }
    ResultBook& book = result_.Books.back();
    if (chapter != lastChapter_) {
      book.Chapters.push_back(ResultChapter{chapter, {}});
      ++result_.Chapters;
      lastChapter_ = chapter;
    }
    book.Chapters.back().Verses.push_back(ResultVerse{verse, wordNumber});
    ++result_.Verses;
    lastVerse_ = verse;
  }

 private:
  SearchResult& result_;
  int book_;
  std::string_view name_;
  bool bookAdded_ = false;
  int lastChapter_ = 0;
  int lastVerse_ = 0;
};

// One run of a condition's marked words and the first of them not yet passed.
struct RunCursor {
  std::span<const std::uint32_t> words;
  std::size_t next = 0;
  int bitIndex = 0;  // of the condition's bit in the mask, 0 to 15

  static constexpr std::uint32_t None = UINT32_MAX;
  std::uint32_t Next() const { return next < words.size() ? words[next] : None; }
  // Passes the words below wordNumber: a gallop from the current one, as the
  // walk moves mostly by small steps.
  void SkipTo(std::uint32_t wordNumber) {
    std::size_t step = 1;
    std::size_t low = next;
    while (low + step < words.size() && words[low + step] < wordNumber) {
      low += step;
      step *= 2;
    }
    const auto from = words.begin() + static_cast<std::ptrdiff_t>(low);
    const auto to = words.begin() + static_cast<std::ptrdiff_t>(std::min(low + step, words.size()));
    next = static_cast<std::size_t>(std::lower_bound(from, to, wordNumber) - words.begin());
  }
};

// The walk over the marked words of the active conditions, book by book. It
// visits a marked word only when it can begin a window that meets: when one
// condition has no word in the window of a word, no word before that
// condition's next word less the window's width can begin one either.
class MarkedWalk {
 public:
  MarkedWalk(const SearchText& text, std::uint16_t mask, std::uint32_t width)
      : text_(text), mask_(mask), width_(width) {
    for (int condition = 1; condition <= engine::ConditionCount; ++condition) {
      const std::uint16_t bit = engine::ConditionMask(condition);
      if ((mask & bit) == 0) continue;
      for (const SearchMarks::Run& run : text.Marks().MarkedRuns(condition))
        runs_.push_back(RunCursor{run, 0, std::countr_zero(bit)});
    }
  }

  // The words [first, end) of a book, first at cursor.
  void Book(SearchResult& result, int book, const engine::TWordCursor& cursor, std::uint32_t first,
            std::uint32_t end) {
    const std::string name = text_.BookName(book);
    BookHits hits(result, book, name);
    const std::uint32_t bookFirst = cursor.Info->WordBase + 1;
    const std::span<const std::uint32_t> openings = text_.ChapterOpenings(book);
    auto opening = std::ranges::upper_bound(openings, first - bookFirst);
    int chapter = 1;

    SkipTo(first);
    for (;;) {
      std::uint32_t word = RunCursor::None;
      for (const RunCursor& run : runs_) word = std::min(word, run.Next());
      if (word >= end) return;

      // The next word of each condition from this one on.
      std::array<std::uint32_t, 16> next;
      next.fill(RunCursor::None);
      for (const RunCursor& run : runs_)
        next[static_cast<std::size_t>(run.bitIndex)] = std::min(next[static_cast<std::size_t>(run.bitIndex)], run.Next());
      const std::uint32_t last = std::min(word + width_, end - 1);
      std::uint32_t farthest = 0;  // the latest next word of a condition beyond the window
      for (int bit = 0; bit < 16; ++bit) {
        if ((mask_ >> bit & 1) == 0) continue;
        const std::uint32_t at = next[static_cast<std::size_t>(bit)];
        if (at > last) farthest = std::max(farthest, at);
      }

      if (farthest == 0) {
        for (; opening != openings.end() && *opening <= word - bookFirst; ++opening) ++chapter;
        hits.Report(chapter, cursor.Cur[word - first].verse, word);
        SkipTo(word + 1);
      } else {
        if (farthest >= end) return;
        SkipTo(std::max(word + 1, farthest - std::min(farthest, width_)));
      }
    }
  }

 private:
  void SkipTo(std::uint32_t wordNumber) {
    for (RunCursor& run : runs_) run.SkipTo(wordNumber);
  }

  const SearchText& text_;
  std::uint16_t mask_;
  std::uint32_t width_;
  std::vector<RunCursor> runs_;
};

}  // namespace

int ConditionsInMask(std::uint16_t mask) {
  int count = 0;
  for (int n = 1; n <= engine::ConditionCount; ++n)
    if (mask & engine::ConditionMask(n)) ++count;
  return count;
}

int WindowWidth(int conditionCount, int span) {
  return conditionCount == 1 || conditionCount > span ? conditionCount - 1 : span - 1;
}

SearchResult ProximitySearch(const SearchText& text, std::uint16_t mask, int conditionCount, int span) {
  SearchResult result;
  if (conditionCount <= 0 || mask == 0) return result;
  result.ConditionCount = conditionCount;
  const auto width = static_cast<std::uint32_t>(std::max(WindowWidth(conditionCount, span), 0));

  const engine::SearchMarks& marks = text.Marks();
  MarkedWalk walk(text, mask, width);
  for (int b = 1; b <= SearchText::Books; ++b) {
    engine::TWordCursor cursor;
    if (!text.SeekVerse(b, 1, 1, cursor)) continue;
    if ((marks.BookMarks[b] & mask) != mask) continue;

    // The book's words from the cursor to its end, bounded by its word count
    // (the cursor's end) and by the marks there are.
    const std::uint32_t first = cursor.WordNumber();
    if (first >= marks.WordMarks.size()) continue;
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(cursor.End - cursor.Cur),
                                                    marks.WordMarks.size() - first);
    walk.Book(result, b, cursor, first, first + static_cast<std::uint32_t>(count));
  }
  return result;
}

SearchResult RunSearch(const ConditionSet& conditions, std::uint16_t mask, int span) {
  if (mask == 0) return ProximitySearch(conditions.Text(), conditions.ActiveMask(), conditions.ActiveCount(), span);
  return ProximitySearch(conditions.Text(), mask, ConditionsInMask(mask), span);
}

std::string BookDisplayName(std::string_view name) {
  std::string shown(name);
  if (!shown.empty() && shown[0] >= '1' && shown[0] <= '3') {
    shown.insert(shown.begin(), shown[0]);
    shown[1] = ' ';
  }
  return shown;
}

std::string StatusText(int books, int verses) {
  if (verses == 0) return "Found no matching verses.";
  return "Found " + std::to_string(verses) + (verses == 1 ? " match" : " matches") + " in " +
         std::to_string(books) + (books == 1 ? " book" : " books");
}

}  // namespace search
