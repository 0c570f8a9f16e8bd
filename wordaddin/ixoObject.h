#pragma once
// The add-in's build of the text engine: its settings under its own registry
// key, its text and Strong's references from "IxoBible.2005" and
// "IxoReference.2005" read whole into memory, and everything about words (keys,
// texts, display case, the book table, the Strong's table) from the engine
// library "Ixo2005.kjv". Over these it indexes the 66 books (engine/BookIndex.h),
// places word cursors (engine/BookRecords.h) and keeps the search marks.
//
// The engine counts as loaded only when the library offers all seven entry
// points and the text file holds every book it announces; otherwise nothing of
// the library is called and no book is positioned. Without a reference file
// (missing or empty) every word is simply without a Strong's number; a
// reference file shorter than the text it belongs to is refused.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "EngineLibrary.h"
#include "WordCursor.h"
#include "core/IxoFormat.h"
#include "engine/BookIndex.h"
#include "engine/BookRecords.h"
#include "engine/SearchMarks.h"
#include "platform/SharedLibrary.h"
#include "platform/StringList.h"
#include "publish/FindBookByName.h"

namespace wordaddin {

inline constexpr char AddinKey[] = "SOFTWARE\\Halvert\\Ixo";
inline constexpr int DefaultAddinSettings = 0x800E;  // 0x8000: the value is valid
inline constexpr int DocumentsUnderPersonalFolder = 8;
inline constexpr int DefaultAddinSensitivity = 7;
inline constexpr char DefaultHttpServer[] = "http://127.0.0.1:1611/";

class TixoEngine {
 public:
  static constexpr int Books = ixo::BookCount;

  TixoEngine() = default;
  TixoEngine(const TixoEngine&) = delete;
  TixoEngine& operator=(const TixoEngine&) = delete;

  // ---- settings and loading ----------------------------------------------------

  // Fills the settings from the registry store with their defaults; true when
  // the engine library path is not empty.
  bool ReadSettings();
  // Reads the settings, loads and binds the engine library, reads both files
  // and indexes the books. Returns Loaded.
  bool Load();
  // Releases the engine library; the two files stay in memory.
  void Unload();

  // The files of the version folder read whole; empty when missing, empty or
  // unreadable.
  std::vector<ixo::IxoWritten> LoadBibleFile() const;
  std::vector<std::uint8_t> LoadReferenceFile() const;

  // ---- words, through the engine library (nothing without it) -----------------------

  // The key of a word (cut to 255 characters); 0 when it is not in the list.
  std::uint16_t WordKey(std::string_view word) const;
  // Every key whose stored word has the letters of word (cut likewise;
  // hyphens and case not counted), in key order: the library's list can hold
  // one word with and without hyphens, and WordKey gives only the first.
  std::vector<std::uint16_t> KeysForWord(std::string_view word) const;
  // The word of a key as stored.
  std::string WordText(std::uint16_t key) const;
  // The word of a record as displayed.
  std::string DisplayText(const ixo::IxoWritten& record) const;
  // The book (1 to 66) a typed name names, by the library's book table; 0 for none.
  int FindBookByName(std::string_view name) const;
  // The library's Strong's table: the entry of key K at index K - 1, for the
  // keys 1 to the key maximum (its size); empty without the library.
  std::span<const TStrongsEntry> StrongsTable() const { return strongsTable_; }

  // ---- book index and cursors --------------------------------------------------------

  // The book routines (engine/BookRecords.h) over this engine's books; the
  // cursors carry the placed word's reference byte and Strong's number.
  bool BookCursor(int book, TWordCursor& cursor) const;
  bool SeekVerse(int book, int chapter, int verse, TWordCursor& cursor) const;
  int ChapterVerseCount(const ixo::IxoWritten* chapterStart) const;
  std::span<const std::uint32_t> ChapterOpenings(int book) const;

  // ---- search marks (cleared through Marks) ------------------------------------------
  // Kind 'E': key is a word key, matched in its low 14 bits; 'H' (books 1-39)
  // and 'G' (books 40-66): key is a Strong's number, matched against each
  // word's one number. Any other kind, and key 0, match nothing.

  void MarkWord(int condition, std::uint16_t key, char kind);
  void MarkBookMatches(int book, std::uint16_t mask, std::uint16_t key, char kind);

  // ---- fields ------------------------------------------------------------------------

  std::string InstallDir;   // installation folder
  std::string VersionDir;   // the folder of the two files
  std::string LibraryPath;  // the engine library
  std::string Folder2005;   // read and kept, not used
  std::string Folder2007;   // read and kept, not used
  std::string HttpServer;   // read and kept, not used; ends in "/"
  std::string DocumentDir;  // document folder
  int Settings = 0;         // option bits
  platform::TStringList Colors;
  int Sensitivity = 0;      // search word span
  bool LargePrint = false;  // read and kept, not used

  platform::SharedLibrary EngineLibrary;
  EngineEntries Entries;
  bool Loaded = false;

  std::array<std::string, Books + 1> BookNames;                   // full names from the library
  engine::BookField<&engine::BookWords::words> BookText{books_};  // each book's first word record
  std::array<const std::uint8_t*, Books + 1> BookReference{};     // each book's first reference byte
  std::array<engine::TBookInfoRec, Books + 1> BookInfo{};         // index records; entry 0 holds nothing

  engine::SearchMarks Marks;  // by word number and by book

 private:
  // Binds the library's entries and copies its book table; false when an
  // entry is missing or it has no book table.
  bool BindLibrary();
  void ReleaseLibrary();
  // Indexes the books of both files; false unless the text holds every book
  // and the reference file, when there is one, every book's run.
  bool BuildIndex();
  bool IndexReferences();

  std::vector<ixo::IxoWritten> textBlock_;
  std::vector<std::uint8_t> referenceBlock_;
  std::array<engine::BookWords, Books + 1> books_{};  // the books of textBlock_; entry 0 holds nothing
  std::span<const TStrongsEntry> strongsTable_;

  // The library's book names, owned, and the matcher's view of them.
  struct BookMatchNames {
    std::string abbrev, altAbbrev;
  };
  std::array<BookMatchNames, Books> bookMatchNames_;
  std::array<publish::BookNameKey, Books> bookKeys_{};
};

}  // namespace wordaddin
