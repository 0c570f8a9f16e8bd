#include "WordCursor.h"

namespace wordaddin {

std::uint16_t StrongsOfWord(std::uint16_t key, const std::uint16_t* list, const std::uint8_t* refByte) {
  if (key == 0 || !list || !refByte) return 0;
  const std::uint8_t k = *refByte;
  return k != 0 && k <= list[0] ? list[k] : 0;
}

void UpdateStrongs(TWordCursor& cursor) {
  cursor.Strongs = 0;
  if (!cursor.Text.Cur || !cursor.Text.Info) return;
  const std::uint16_t key = cursor.Text.Cur->key;
  const std::uint16_t number = ixo::KeyNumber(key);
  if (number < 1 || number > cursor.StrongsTable.size()) return;
  const TStrongsEntry& entry = cursor.StrongsTable[number - 1];
  const bool greek = cursor.Text.Info->Ordinal + 1 >= ixo::FirstGreekBook;
  cursor.Strongs = StrongsOfWord(key, greek ? entry.Greek : entry.Hebrew, cursor.RefByte);
}

bool NextWord(TWordCursor& cursor) {
  if (!engine::NextWord(cursor.Text)) return false;
  if (cursor.RefByte) ++cursor.RefByte;
  UpdateStrongs(cursor);
  return true;
}

bool PrevWord(TWordCursor& cursor) {
  if (!engine::PrevWord(cursor.Text)) return false;
  if (cursor.RefByte) --cursor.RefByte;
  UpdateStrongs(cursor);
  return true;
}

}  // namespace wordaddin
