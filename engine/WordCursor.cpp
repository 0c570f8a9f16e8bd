#include "WordCursor.h"

namespace engine {

bool NextWord(TWordCursor& cursor) {
  if (!cursor.Cur || !cursor.Next) return false;
  cursor.Prev = cursor.Cur;
  cursor.Cur = cursor.Next;
  if (cursor.Lemma) ++cursor.Lemma;
  cursor.Next = cursor.Cur + 1 < cursor.End ? cursor.Cur + 1 : nullptr;
  return true;
}

bool PrevWord(TWordCursor& cursor) {
  if (!cursor.Cur || !cursor.Prev) return false;
  cursor.Next = cursor.Cur;
  cursor.Cur = cursor.Prev;
  if (cursor.Lemma) --cursor.Lemma;
  cursor.Prev = cursor.Cur > cursor.First ? cursor.Cur - 1 : nullptr;
  return true;
}

void SeekVerseInChapter(TWordCursor& cursor, int verse) {
  if (!cursor.Cur || verse <= 1) return;
  while (cursor.Cur->verse != verse) {
    const bool chapterEnds =
        cursor.AtLastWord() || (cursor.Next->verse != cursor.Cur->verse && cursor.Next->verse <= 1);
    if (chapterEnds) {
      // Past the chapter's last verse: back to that verse's first word.
      const std::uint8_t last = cursor.Cur->verse;
      while (cursor.Prev && cursor.Prev->verse == last) PrevWord(cursor);
      return;
    }
    NextWord(cursor);
  }
}

}  // namespace engine
