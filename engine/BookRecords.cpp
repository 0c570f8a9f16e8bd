#include "BookRecords.h"

#include <algorithm>

namespace engine {
namespace {

bool IsBook(int book) { return book >= 1 && book <= ixo::BookCount; }

void PlaceCursor(const BookWords& book, std::uint32_t offset, TWordCursor& cursor) {
  cursor.First = book.words;
  cursor.End = book.words + book.count;
  cursor.Cur = book.words + offset;
  cursor.Prev = offset > 0 ? cursor.Cur - 1 : nullptr;
  cursor.Next = offset + 1 < book.count ? cursor.Cur + 1 : nullptr;
  cursor.Lemma = book.lemmas ? book.lemmas + offset : nullptr;
  cursor.Info = book.info;
}

}  // namespace

int BookOfRecord(BookRecords books, const ixo::IxoWritten* record) {
  for (int b = 1; b <= ixo::BookCount; ++b) {
    const BookWords& book = books[b];
    if (book.count > 0 && record >= book.words && record < book.words + book.count) return b;
  }
  return 0;
}

bool BookCursor(BookRecords books, int book, TWordCursor& cursor) {
  cursor = TWordCursor{};
  if (!IsBook(book) || books[book].count == 0) return false;
  PlaceCursor(books[book], 0, cursor);
  return true;
}

bool SeekVerse(BookRecords books, int book, int chapter, int verse, TWordCursor& cursor) {
  if (!BookCursor(books, book, cursor)) return false;

  // Chapter c begins at the (c - 1)-th word whose verse byte drops; without
  // that many, the walk ends at the book's last word.
  const BookWords& words = books[book];
  chapter = std::min<int>(chapter, words.info->ChapterCount);
  if (chapter > 1) {
    const std::size_t wanted = static_cast<std::size_t>(chapter - 2);
    PlaceCursor(words, wanted < words.chapterStarts.size() ? words.chapterStarts[wanted] : words.count - 1, cursor);
  }

  SeekVerseInChapter(cursor, verse);
  return cursor.Cur != nullptr;
}

int ChapterVerseCount(BookRecords books, const ixo::IxoWritten* chapterStart) {
  const int b = BookOfRecord(books, chapterStart);
  if (b == 0) return 0;
  const BookWords& book = books[b];
  return ChapterVerseCount(std::span(chapterStart, static_cast<std::size_t>(book.words + book.count - chapterStart)));
}

std::span<const std::uint32_t> ChapterOpenings(BookRecords books, int book) {
  if (!IsBook(book)) return {};
  return books[book].chapterOpenings;
}

}  // namespace engine
