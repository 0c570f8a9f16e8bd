#pragma once
// A cursor over the words of one book: the current word, its neighbours within
// the book, its lemma record and the book's index record. It is a plain value
// of its caller; the book routines place it (BookRecords.h: BookCursor,
// SeekVerse) and NextWord / PrevWord move it one word at a time, never onto a
// separator and never out of the book.

#include <cstdint>

#include "BookIndex.h"
#include "core/IxoFormat.h"

namespace engine {

struct TWordCursor {
  const ixo::IxoWritten* Cur = nullptr;   // the current word
  const ixo::IxoWritten* Next = nullptr;  // the word after Cur; null at the book's last word
  const ixo::IxoWritten* Prev = nullptr;  // the word before Cur; null right after BookCursor
  const ixo::TLemmaRec* Lemma = nullptr;  // Cur's lemma record; null when the book has none
  const TBookInfoRec* Info = nullptr;     // the book's index record

  // The book's words: [First, End).
  const ixo::IxoWritten* First = nullptr;
  const ixo::IxoWritten* End = nullptr;

  // The running number of Cur over the whole text (it indexes the word marks);
  // 0 without a current word.
  std::uint32_t WordNumber() const {
    return Cur && Info ? Info->WordBase + 1 + static_cast<std::uint32_t>(Cur - First) : 0;
  }
  bool AtLastWord() const { return Cur != nullptr && Cur + 1 == End; }
};

// Steps to the next word of the book; false (and no change) at its last word.
bool NextWord(TWordCursor& cursor);
// Steps to the previous word; false (and no change) at the book's first word
// and right after BookCursor.
bool PrevWord(TWordCursor& cursor);

// From the first word of a chapter, steps to the first word of a verse of it
// (verses up to 1 leave the cursor where it is); past the chapter's last
// verse, to that verse's first word.
void SeekVerseInChapter(TWordCursor& cursor, int verse);

}  // namespace engine
