#pragma once
// A separator record (key 0) sits before every book and after the last one; its
// bytes 2-3 hold a word count, not flags and a verse. Readers that look at the
// neighbours of a word go through these helpers, so that a separator (or no
// record at all) counts as no word: no flags, no verse.

#include <cstdint>

#include "core/IxoFormat.h"

namespace engine {

inline bool IsWord(const ixo::IxoWritten* record) {
  return record != nullptr && !ixo::IsSeparator(*record);
}

// The flags of a word; 0 for a separator or no record.
inline std::uint8_t WordFlags(const ixo::IxoWritten* record) {
  return IsWord(record) ? record->flags : 0;
}

// The verse byte of a word; 0 for a separator or no record.
inline std::uint8_t WordVerse(const ixo::IxoWritten* record) {
  return IsWord(record) ? record->verse : 0;
}

}  // namespace engine
