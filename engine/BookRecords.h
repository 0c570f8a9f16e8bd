#pragma once
// The routines over the 66 book records of a text, for both engines: the book
// that holds a record, cursor placement on a book or a verse, the verses of a
// chapter and the chapter openings of a book. Entry 0 holds nothing; book
// numbers outside 1 to 66 name no book.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "BookIndex.h"
#include "WordCursor.h"
#include "core/IxoFormat.h"

namespace engine {

using BookRecords = std::span<const BookWords, ixo::BookCount + 1>;

// The book (1 to 66) whose words hold record; 0 when none does.
int BookOfRecord(BookRecords books, const ixo::IxoWritten* record);

// Puts the cursor on the first word of a book; false, with the cursor
// cleared, for another number or a book without words.
bool BookCursor(BookRecords books, int book, TWordCursor& cursor);
// Puts the cursor on the first word of a verse; a chapter beyond the book
// gives its last chapter, a verse beyond the chapter its last verse.
bool SeekVerse(BookRecords books, int book, int chapter, int verse, TWordCursor& cursor);
// The verses of the chapter whose first word is chapterStart (0 for a record
// that is no word of a book, or that is not verse 1).
int ChapterVerseCount(BookRecords books, const ixo::IxoWritten* chapterStart);
// Where the chapters of a book begin as the search counts them; none for
// another number.
std::span<const std::uint32_t> ChapterOpenings(BookRecords books, int book);

// One field of the book records, read by book number as an array of it is.
template <auto Field>
class BookField {
 public:
  explicit BookField(const std::array<BookWords, ixo::BookCount + 1>& books) : books_(books) {}
  auto operator[](std::size_t book) const { return books_[book].*Field; }

 private:
  const std::array<BookWords, ixo::BookCount + 1>& books_;
};

}  // namespace engine
