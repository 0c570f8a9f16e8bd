#pragma once
// The formats of the text files, shared by the data-file library, the engine,
// the writers, the add-in and the text builder. All multi-byte values are
// little-endian; the records are read in place from the mapped files.
//
//   IxoBible.2011    IxoWritten records: before each book a separator (key 0,
//                    bytes 2-3 the book's word count), then its words; a final
//                    key-0 record after the last book.
//   IxoLemma.2011    TLemmaRec records, one per text record (separators too).
//   IxoEnglish.2011  byte 0 the maximum word length (18), byte 1 unused, then
//                    one group per length 1..18: EnglishGroupHeader and
//                    count x length letters.
//   IxoStatus.2011   one u32 per text record, zero-filled by the library.
//
// The word-processor add-in reads its own two files (see the end of this header):
//   IxoBible.2005      66 book blocks: a header record (key 0, bytes 2-3 the
//                      book's word count), its word records (IxoWritten, key
//                      never 0), an end record (all 0).
//   IxoReference.2005  66 book runs: a 0 byte, one byte per word of the book in
//                      text order, a 0 byte. A word's byte k >= 1 is the k-th
//                      Strong's number of its key's Hebrew list (books 1-39) or
//                      Greek list (books 40-66) in the engine library's table;
//                      0 is none.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace ixo {

static_assert(std::endian::native == std::endian::little,
              "the text files are little-endian and are read in place");

// A little-endian u16 at any address.
constexpr std::uint16_t ReadU16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

// ---- file names -------------------------------------------------------------

inline constexpr char TextFileName[] = "IxoBible.2011";
inline constexpr char EnglishFileName[] = "IxoEnglish.2011";
inline constexpr char LemmaFileName[] = "IxoLemma.2011";
inline constexpr char StatusFileName[] = "IxoStatus.2011";
inline constexpr char LibraryFileName[] = "2011.ixocore";

// ---- books ------------------------------------------------------------------

inline constexpr int BookCount = 66;
inline constexpr int FirstGreekBook = 40;  // books 1..39 Hebrew, 40..66 Greek

// ---- text records -----------------------------------------------------------

struct IxoWritten {
  std::uint16_t key;   // word key; 0 in a separator
  std::uint8_t flags;  // Flag* bits and the punctuation code
  std::uint8_t verse;  // verse within the chapter, from 1
};
static_assert(sizeof(IxoWritten) == 4);
static_assert(offsetof(IxoWritten, key) == 0);
static_assert(offsetof(IxoWritten, flags) == 2);
static_assert(offsetof(IxoWritten, verse) == 3);
static_assert(std::is_trivially_copyable_v<IxoWritten>);

inline constexpr std::uint8_t FlagItalic = 0x02;
inline constexpr std::uint8_t FlagParenthesis = 0x04;
inline constexpr std::uint8_t FlagPossessive = 0x10;

// The punctuation after a word: flags & PunctuationMask.
inline constexpr std::uint8_t PunctuationMask = 0xE0;
inline constexpr std::uint8_t PunctuationNone = 0x00;
inline constexpr std::uint8_t PunctuationSemicolon = 0x20;  // ";"
inline constexpr std::uint8_t PunctuationComma = 0x40;      // ","
inline constexpr std::uint8_t PunctuationColon = 0x60;      // ":"
inline constexpr std::uint8_t PunctuationExclamation = 0x80;  // "!"
inline constexpr std::uint8_t PunctuationDash = 0xA0;       // a dash
inline constexpr std::uint8_t PunctuationQuestion = 0xC0;   // "?"
inline constexpr std::uint8_t PunctuationPeriod = 0xE0;     // "."

constexpr std::uint8_t PunctuationOf(std::uint8_t flags) { return flags & PunctuationMask; }

constexpr bool IsSeparator(const IxoWritten& record) { return record.key == 0; }

// A separator keeps the word count of the following book in bytes 2-3.
constexpr std::uint16_t SeparatorWordCount(const IxoWritten& record) {
  return static_cast<std::uint16_t>(record.flags | (record.verse << 8));
}

constexpr IxoWritten MakeSeparator(std::uint16_t wordCount) {
  return IxoWritten{0, static_cast<std::uint8_t>(wordCount & 0xFF),
                    static_cast<std::uint8_t>(wordCount >> 8)};
}

inline constexpr int MaxBookWords = 65535;
inline constexpr int MaxVerse = 255;

// ---- word keys --------------------------------------------------------------

// Bits 0-13: the word's number in the list, from 1 (all shorter words first,
// then the position within its group). Bits 14-15: the case of the written word.
inline constexpr std::uint16_t KeyNumberMask = 0x3FFF;
inline constexpr std::uint16_t KeyCaseMask = 0xC000;
inline constexpr std::uint16_t KeyFirstCapital = 0x8000;  // capital first letter
inline constexpr std::uint16_t KeyAllCapitals = 0xC000;   // every letter a capital
inline constexpr int MaxWordNumber = 16383;

constexpr std::uint16_t KeyNumber(std::uint16_t key) { return key & KeyNumberMask; }
constexpr bool KeyHasFirstCapital(std::uint16_t key) {
  return (key & KeyCaseMask) == KeyFirstCapital;
}
constexpr bool KeyHasAllCapitals(std::uint16_t key) {
  return (key & KeyCaseMask) == KeyAllCapitals;
}

// ---- lemma records ----------------------------------------------------------

// Up to four Strong's numbers; the list ends at the first slot that is 0.
struct TLemmaRec {
  std::uint16_t slots[4];
};
static_assert(sizeof(TLemmaRec) == 8);
static_assert(std::is_trivially_copyable_v<TLemmaRec>);

inline constexpr int LemmaSlotCount = 4;
inline constexpr std::uint16_t LemmaNumberMask = 0x7FFF;
inline constexpr std::uint16_t LemmaGreekBit = 0x8000;
inline constexpr int MaxStrongsNumber = 32767;

constexpr std::uint16_t LemmaNumber(std::uint16_t slot) { return slot & LemmaNumberMask; }
constexpr bool LemmaIsGreek(std::uint16_t slot) { return (slot & LemmaGreekBit) != 0; }

// ---- English word list ------------------------------------------------------

inline constexpr std::uint8_t MaxWordLength = 18;  // byte 0 of the list must say 18
inline constexpr std::size_t EnglishHeaderSize = 2;  // the groups start at byte 2
inline constexpr int MaxWrittenWordLength = 22;      // letters and hyphens
inline constexpr int MaxGroupWords = 32767;          // a group's count is below 32,768

// The head of one group; count x length letters follow it. Groups may begin at
// odd offsets: copy the head out (or use ReadU16) rather than reading it in place.
struct EnglishGroupHeader {
  std::uint8_t length;   // letters per word (hyphens not counted)
  std::uint8_t zero;     // 0: some readers take bytes 0-1 as a u16 length
  std::uint16_t count;   // words in the group
};
static_assert(sizeof(EnglishGroupHeader) == 4);
static_assert(offsetof(EnglishGroupHeader, count) == 2);

// Each stored letter keeps its character in the low 7 bits; bit 7 says that a
// hyphen follows it in the written word.
inline constexpr std::uint8_t LetterMask = 0x7F;
inline constexpr std::uint8_t HyphenBit = 0x80;

// ---- record sizes of the four files ------------------------------------------

inline constexpr std::size_t TextRecordSize = sizeof(IxoWritten);
inline constexpr std::size_t LemmaRecordSize = sizeof(TLemmaRec);
inline constexpr std::size_t EnglishRecordSize = 1;
inline constexpr std::size_t StatusRecordSize = 4;

// ---- the add-in's files ---------------------------------------------------------

inline constexpr char AddinTextFileName[] = "IxoBible.2005";
inline constexpr char AddinReferenceFileName[] = "IxoReference.2005";

// A book block is its header, its words and its end record; a book run is its
// words' bytes between two bytes that are not read.
constexpr std::size_t AddinBookRecords(std::uint16_t wordCount) { return std::size_t{wordCount} + 2; }
constexpr std::size_t AddinBookRunBytes(std::uint16_t wordCount) { return std::size_t{wordCount} + 2; }
inline constexpr IxoWritten AddinBookEnd = MakeSeparator(0);
// The most Strong's numbers a key's list can hand out through a one-byte reference.
inline constexpr int MaxAddinStrongsPerList = 255;

}  // namespace ixo
