#pragma once
// The word-list classes of the data-file library: word keys to English words
// and back over the English word list, and one text record rendered with its
// marks and punctuation. The classes point into the caller's copy or view of
// the list and never own it.

#include <cstdint>
#include <span>

#include "core/IxoExport.h"
#include "core/IxoFormat.h"

namespace ixo {

// How WordPunc marks italic runs; any other value marks none.
enum class IxoDisplayMode : int { Plain = 0, Emphasis = 1, Brackets = 2 };

// Passed through to WordCase; no value changes the result.
enum class Language : int { English = 0 };

// Not consulted.
enum class IxoPunctuationStyle : int { Standard = 0 };

class IXOCORE_API WordClass {
 public:
  WordClass() = default;
  WordClass(const WordClass&) = default;
  WordClass& operator=(const WordClass&) = default;
  virtual ~WordClass() = default;

  // The key of a word (hyphens skipped, case ignored), 0 when it is not in the
  // list. maxChars bounds how much of word is read.
  virtual unsigned short WordKey(const char* word, int maxChars) = 0;
  // The word of a key as stored, zero-terminated in out (room bytes).
  virtual char* WordChr(unsigned short key, char* out, int room, Language lang) = 0;
  // The word of a key with the key's capitals.
  virtual char* WordCase(unsigned short key, char* out, int room, Language lang) = 0;
  // One text record with its opening marks, word, possessive, closing marks
  // and punctuation, written at buf + pos; the count of characters written.
  virtual int WordPunc(const IxoWritten& rec, char* buf, int pos, int size, IxoDisplayMode mode,
                       Language lang, IxoPunctuationStyle style) = 0;
  virtual unsigned short MaxWordLen() = 0;
};

// One group of the list: count words of length letters each.
struct EnglishGroup {
  unsigned short count = 0;
  unsigned char length = 0;
  const char* words = nullptr;
};

class IXOCORE_API EnglishClass : public WordClass {
 public:
  // Indexes the list at data. A list whose byte 0 is not 18 is reported in a
  // message box and gives an object with no groups; a null data gives one
  // too. When data is the library's own view of the word list, every read is
  // bounded by the view: a list that is not whole (core/WholeEdition.h) is
  // reported the same way.
  explicit EnglishClass(const char* data);
  EnglishClass(const EnglishClass&) = default;
  EnglishClass& operator=(const EnglishClass&) = default;
  ~EnglishClass() override = default;

  // The number of words of length len, -1 outside 1..the maximum length.
  int GetEnglishCnt(unsigned short len) const;

  unsigned short MaxWordLen() override;

  // Writes word index of a group of len-letter words into out, with a hyphen
  // after each letter that carries one, zero-terminated; the count of
  // characters written. A word that does not fit room bytes (terminator
  // included) is not written: out becomes empty (when room allows) and the
  // result is 0.
  int stringDecode(char* out, const char* words, int index, int len, int room) const;

  // A word of length 0 or over 18 gives 0 and leaves "Illegal Word Length"
  // in the pending error text.
  unsigned short WordKey(const char* word, int maxChars) override;
  // A key beyond the list leaves "Key is Illegal" in the pending error text and
  // returns an empty string without writing out; so does key 0 (no text). A
  // word that does not fit room gives an empty out.
  char* WordChr(unsigned short key, char* out, int room, Language lang) override;
  // An illegal key, or a word that does not fit, gives an empty out.
  char* WordCase(unsigned short key, char* out, int room, Language lang) override;
  // rec must lie inside the text: its neighbours are read (a separator
  // neighbour counts as a record without flags). size is the size of buf;
  // nothing is written past it. A record that does not fit gives 0 and an
  // empty string at pos.
  int WordPunc(const IxoWritten& rec, char* buf, int pos, int size, IxoDisplayMode mode,
               Language lang, IxoPunctuationStyle style) override;

 private:
  static constexpr int EntryCount = MaxWordLength + 1;  // the groups and a terminator

  void IndexWholeList(std::span<const std::uint8_t> list);

  unsigned char maxLength_ = 0;
  // The groups in the list's order, then a terminator (count 0); in a whole
  // list groups_[L - 1] holds the words of length L.
  EnglishGroup groups_[EntryCount] = {};
};

// The pending error text: what the last failing lookup left to report, or
// null when nothing waits.
IXOCORE_API const char* PendingErrorText();

// Shows text in a message box captioned with date, time, source and line,
// then the pending error text (if any) in a second one, and clears it.
IXOCORE_API void ErrorBox(const char* text, const char* source, int line, const char* date,
                          const char* time);

}  // namespace ixo
