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

}  // namespace engine
