#include "ProximitySearch.h"

#include <algorithm>
#include <span>

#include "ConditionSet.h"
#include "SearchText.h"
#include "engine/SearchMarks.h"

namespace search {
namespace {

// Walks one book and adds its verses that meet to result.
class BookWalk {
 public:
  BookWalk(SearchResult& result, int book, std::string_view name)
      : result_(result), book_(book), name_(name) {}

  void Run(std::span<const ixo::IxoWritten> words, std::span<const std::uint16_t> marks,
           std::uint32_t firstWordNumber, std::uint16_t mask, std::size_t width) {
    int chapter = 1;
    std::uint8_t verse = 1;
    for (std::size_t i = 0; i < words.size(); ++i) {
      const std::uint8_t wordVerse = words[i].verse;
      if (wordVerse != verse) {
        if (wordVerse == 1) ++chapter;
        verse = wordVerse;
      }
      if ((marks[i] & mask) == 0) continue;

      const std::size_t last = std::min(i + width, words.size() - 1);
      std::uint16_t seen = 0;
      for (std::size_t j = i; j <= last && (seen & mask) != mask; ++j) seen |= marks[j];
      if ((seen & mask) == mask) Report(chapter, verse, firstWordNumber + static_cast<std::uint32_t>(i));
    }
  }

 private:
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

  SearchResult& result_;
  int book_;
  std::string_view name_;
  bool bookAdded_ = false;
  int lastChapter_ = 0;
  int lastVerse_ = 0;
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
  const auto width = static_cast<std::size_t>(std::max(WindowWidth(conditionCount, span), 0));

  const std::span<const std::uint16_t> wordMarks = text.WordMarks();
  for (int b = 1; b <= SearchText::Books; ++b) {
    engine::TWordCursor cursor;
    if (!text.SeekVerse(b, 1, 1, cursor)) continue;
    if ((text.BookMarks(b) & mask) != mask) continue;

    // The book's words from the cursor to its end, bounded by its word count
    // (the cursor's end) and by the marks there are.
    const std::uint32_t firstWordNumber = cursor.WordNumber();
    if (firstWordNumber >= wordMarks.size()) continue;
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(cursor.End - cursor.Cur),
                                                    wordMarks.size() - firstWordNumber);
    const std::span<const ixo::IxoWritten> words(cursor.Cur, count);
    const std::string name = text.BookName(b);
    BookWalk(result, b, name).Run(words, wordMarks.subspan(firstWordNumber, count), firstWordNumber, mask, width);
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
