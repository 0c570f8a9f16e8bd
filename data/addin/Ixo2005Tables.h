#pragma once
// The tables the engine library carries, generated from the edition when the
// library is built: the words by key, the book table and the Strong's table.
// Each table ends with one empty entry after the last key.

#include <cstdint>

#include "core/IxoFormat.h"
#include "wordaddin/EngineLibrary.h"

namespace ixo2005 {

// The highest word key.
extern const std::uint16_t KeyMax;
// The stored word of key number k at k - 1.
extern const char* const Words[];
// Books 1 to 66 at 0 to 65.
extern const wordaddin::TBookMatchRec Books[ixo::BookCount];
// The Strong's numbers of key number k at k - 1.
extern const wordaddin::TStrongsEntry Strongs[];

}  // namespace ixo2005
