#pragma once
// What a typed Bible reference asks to insert, once its book is known:
//   "Genesis 1:3-5"  verses 3 to 5 of chapter 1;  "Genesis 1:3"  one verse;
//   "Genesis 3"      chapter 3;  "Genesis 3-5"  chapters 3 to 5;
//   "Genesis 3-" and "Genesis"  the rest or all of the book, after a question;
//   "Jude 5", "2 John 4"  a verse of a book of one chapter;  "Jude"  the book.
// Numbers are read backwards from the separator (the first ":", or in a book
// of one chapter the blank before its verse numbers) and from the end.

#include <string>
#include <string_view>

namespace wordaddin {

// Books 31, 57, 63, 64 and 65 have one chapter.
bool IsSingleChapterBook(int book);

struct ReferenceRequest {
  enum class Kind { Passage, Chapters };
  Kind kind = Kind::Passage;
  // Passage: chapter and verses as typed (0 or -1 where not given: the insertion clamps them).
  int chapter = 0;
  int fromVerse = 0;
  int toVerse = 0;
  // Chapters: the whole chapters first to last, within the book.
  int firstChapter = 0;
  int lastChapter = 0;
  // A question to confirm before the chapters are inserted; empty: none.
  std::string question;
};

// The request of a reference to a book of chapterCount chapters. Blanks at
// either end of the text are ignored.
ReferenceRequest ParseReference(std::string_view text, bool singleChapterBook, int chapterCount);

}  // namespace wordaddin
