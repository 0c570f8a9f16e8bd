#pragma once
// The add-in's word cursor: the text cursor over one book's word records, and
// beside it the current word's reference byte and Strong's number, which every
// step recomputes from the engine library's Strong's table.

#include <cstdint>
#include <span>

#include "EngineLibrary.h"
#include "engine/WordCursor.h"

namespace wordaddin {

struct TWordCursor {
  engine::TWordCursor Text;  // its lemma pointer stays null: the add-in has no lemma records
  const std::uint8_t* RefByte = nullptr;          // the current word's byte; null without references
  std::span<const TStrongsEntry> StrongsTable;    // keys 1 to the key maximum
  std::uint16_t Strongs = 0;                      // the current word's Strong's number, 0 = none
};

// list[k] for the byte k at refByte, when key, list and refByte are all set, k
// is not 0 and k is at most the list's count (list[0]); else 0.
std::uint16_t StrongsOfWord(std::uint16_t key, const std::uint16_t* list, const std::uint8_t* refByte);

// Sets the cursor's Strong's number for its current word: from the Hebrew list
// of its key in books 1-39, the Greek list in books 40-66; 0 for a key outside
// the table.
void UpdateStrongs(TWordCursor& cursor);

// Steps to the next or previous word of the book, the reference byte with it;
// false (and no change) at the book's last or first word.
bool NextWord(TWordCursor& cursor);
bool PrevWord(TWordCursor& cursor);

}  // namespace wordaddin
