#pragma once
// What the add-in expects of its engine library "Ixo2005.kjv": seven C entry
// points, bound by name, and the two records they hand out. Texts the library
// returns belong to it and are copied at once.

#include <cstddef>
#include <cstdint>

#include "core/IxoFormat.h"
#include "platform/SharedLibrary.h"

namespace wordaddin {

inline constexpr char EngineLibraryFileName[] = "Ixo2005.kjv";

// One book of the library's book table: its short forms, each with the number
// of leading characters a typed name must match, and its full name.
struct TBookMatchRec {
  char Abbrev1[8];
  std::uint32_t Abbrev1Len;
  char Abbrev2[8];
  std::uint32_t Abbrev2Len;  // 0: the book has no second short form
  const char* FullName;      // NUL-terminated
};
static_assert(offsetof(TBookMatchRec, Abbrev1Len) == 8);
static_assert(offsetof(TBookMatchRec, Abbrev2) == 12);
static_assert(offsetof(TBookMatchRec, Abbrev2Len) == 20);
static_assert(offsetof(TBookMatchRec, FullName) == 24);

// The Strong's numbers of one word key: each list is a count, then the
// numbers; null when the key has none in that language.
struct TStrongsEntry {
  const std::uint16_t* Hebrew;
  const std::uint16_t* Greek;
};

namespace entry {
// 66 book records in canonical order.
using GetBookMatch = const TBookMatchRec*();
// The key of a word (NUL-terminated), 0 when it is not in the library's list.
using WordKey = std::uint16_t(const char* word);
// The word of a key as stored.
using WordChr = const char*(std::int32_t key);
// The word of a text record as displayed, capitalised by its key's case bits.
using WordCase = const char*(const ixo::IxoWritten* record);
// The punctuation after a word of a text record; bound, never called.
using WordPunc = const char*(const ixo::IxoWritten* record);
// The Strong's table: the entry of key K at index (K - 1) & 0x3FFF, for keys
// 1 to the key maximum.
using GetStrongsObject = const TStrongsEntry*();
// The highest word key.
using GetKeyMax = std::uint16_t();

inline constexpr char GetBookMatchName[] = "GetBookMatch";
inline constexpr char WordKeyName[] = "engWordKey";
inline constexpr char WordChrName[] = "engWordChr";
inline constexpr char WordCaseName[] = "engWordCase";
inline constexpr char WordPuncName[] = "engWordPunc";
inline constexpr char GetStrongsObjectName[] = "engGetStrongsObject";
inline constexpr char GetKeyMaxName[] = "engGetKeyMax";
}  // namespace entry

// The seven entry points of a loaded library, in binding order.
struct EngineEntries {
  entry::GetBookMatch* GetBookMatch = nullptr;
  entry::WordKey* engWordKey = nullptr;
  entry::WordChr* engWordChr = nullptr;
  entry::WordCase* engWordCase = nullptr;
  entry::WordPunc* engWordPunc = nullptr;
  entry::GetStrongsObject* engGetStrongsObject = nullptr;
  entry::GetKeyMax* engGetKeyMax = nullptr;

  // Binds every entry by name; those the library lacks stay null.
  static EngineEntries Bind(const platform::SharedLibrary& library);
  // All seven are bound.
  bool Complete() const;
};

}  // namespace wordaddin
