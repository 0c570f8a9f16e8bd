#pragma once
// The text a search runs over, as the search logic and the search form see
// it: the keys and spellings of its words, the search marks of the fourteen
// conditions, the books with their word records, the Strong's numbers of a
// word and the words of a number, and where the form keeps its studies.
//
// The desktop program's engine serves it (DesktopText.h); the word-processor
// add-in serves it from its own engine and engine library. Both mark words
// the same way: kind 'E' marks every case of a word key, 'H' and 'G' a
// Strong's number in books 1 to 39 and 40 to 66 alone. A word list can hold
// one word more than once, with the same letters but other hyphens
// ("bethlehem", "beth-lehem"): the word is each of those keys.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/IxoFormat.h"
#include "engine/BookIndex.h"
#include "engine/SearchMarks.h"
#include "engine/WordCursor.h"
#include "platform/StringList.h"

namespace search {

class SearchText {
 public:
  static constexpr int Books = ixo::BookCount;

  virtual ~SearchText() = default;

  // ---- words ---------------------------------------------------------------------
  // The key of an English word; 0 when the text does not hold it.
  virtual std::uint16_t WordKey(std::string_view word) const = 0;
  // Every key whose word has the letters of word (hyphens and case not
  // counted), in key order, WordKey's first; empty when the text does not
  // hold it.
  virtual std::vector<std::uint16_t> WordKeys(std::string_view word) const = 0;
  // The word of a key as the text spells it in its word list.
  virtual std::string WordText(std::uint16_t key) const = 0;
  // The word of a record as the text shows it, its capitals applied.
  virtual std::string DisplayWord(const ixo::IxoWritten& record) const = 0;

  // ---- search marks ----------------------------------------------------------------
  // Marks every match of one term with the bit of the condition (1 to 14).
  virtual void MarkWord(int condition, std::uint16_t key, char kind) = 0;
  // Removes the condition's bit from every word and book.
  virtual void ClearCondition(int condition) = 0;
  virtual void ClearAllMarks() = 0;
  // The marks by word and by book, and the words each condition marked.
  virtual const engine::SearchMarks& Marks() const = 0;

  // ---- books -----------------------------------------------------------------------
  // The full name of a book (1 to 66).
  virtual std::string BookName(int book) const = 0;
  // The index record of a book (1 to 66); it lives as long as the text.
  virtual const engine::TBookInfoRec& BookInfo(int book) const = 0;
  // The book a name or short form names (the two-blank form "1  Samuel"
  // too, and the name may go on after it); 0 for none.
  virtual int FindBookByName(std::string_view name) const = 0;
  // Puts the cursor on the first word of a verse; a chapter beyond the book
  // gives its last chapter, a verse beyond the chapter its last verse. False
  // for a book without words.
  virtual bool SeekVerse(int book, int chapter, int verse, engine::TWordCursor& cursor) const = 0;
  // The offsets in a book's words (from its first one) of the words whose
  // verse byte turns to 1: where the search counts the next chapter.
  virtual std::span<const std::uint32_t> ChapterOpenings(int book) const = 0;

  // ---- Strong's numbers ------------------------------------------------------------
  // The tokens ("H" or "G" and the number) under which a word occurs; a new
  // list, sorted, without regard to case and free of duplicates.
  virtual platform::TStringList StrongsNumbersForWord(std::string_view word) const = 0;
  // The English words of one token, as such a list.
  virtual platform::TStringList WordsForStrongsNumber(std::string_view token) const = 0;
  // The related words of a word whose tokens are given: the English words
  // that translate any of them, as such a list.
  virtual platform::TStringList RelatedWords(const platform::TStringList& tokens) const = 0;

  // ---- settings --------------------------------------------------------------------
  // The search-word span.
  virtual int Sensitivity() const = 0;
  // The installation folder, with its trailing separator.
  virtual std::string InstallDir() const = 0;
  // The folder of the dated history studies and of "current.ixolc", with its
  // trailing separator.
  virtual std::string HistoryFolder() const = 0;
};

}  // namespace search
