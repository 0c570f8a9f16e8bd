#pragma once
// What a typed Bible reference asks to insert, once its book is known. The
// book's name is followed by its numbers:
//   "Genesis 1:3-5"    verses 3 to 5 of chapter 1;  "Genesis 1:3"  one verse;
//   "Genesis 1:3-"     verse 3 to the end of the chapter;  "Genesis 1:-3"  verses 1 to 3;
//   "Genesis 1:31-2:3" verse 31 of chapter 1 to verse 3 of chapter 2;
//   "Genesis 1:0"      the whole chapter;  "Genesis :5"  verse 5 of chapter 1;
//   "Genesis 3"        chapter 3;  "Genesis 3-5"  chapters 3 to 5;
//   "Genesis 3-", "Genesis -5", "Genesis"  the rest, the start or all of the
//                      book's chapters, after a question;
//   "Jude 5", "Jude5", "2 John 4", "Jude 5-7"  verses of a book of one
//                      chapter;  "Jude"  the book.
// The numbers begin at the first digit, ":" or "-" after the name's first
// character: a book's name holds none of them but a leading digit ("2 John").
// Blanks may stand between numbers and signs. Anything else after the
// numbers, or a sign without the number it needs, is not read, and nothing is
// to be inserted then.

#include <string>
#include <string_view>

namespace wordaddin {

// Books 31, 57, 63, 64 and 65 have one chapter.
bool IsSingleChapterBook(int book);

// The verses from fromVerse of firstChapter to toVerse of lastChapter, each
// chapter inserted on its own. A verse of 0 stands for the chapter's first
// (fromVerse) or last (toVerse) verse, so whole chapters run from verse 0 to
// verse 0. Within one chapter the verses are as typed (the insertion clamps and
// orders them); the chapters are within the book and in order.
struct ReferenceRequest {
  int firstChapter = 1;
  int fromVerse = 0;
  int lastChapter = 1;
  int toVerse = 0;
  // A question to confirm before the chapters are inserted; empty: none.
  std::string question;
  // The part of the text that could not be read; when not empty, nothing is
  // to be inserted.
  std::string unread;
};

// The request of a reference to a book of chapterCount chapters. Blanks at
// either end of the text are ignored.
ReferenceRequest ParseReference(std::string_view text, bool singleChapterBook, int chapterCount);

}  // namespace wordaddin
