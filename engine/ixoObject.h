#pragma once
// TixoEngine: the one text engine of the program. It reads the settings from
// the registry store, loads the data-file library and maps the text, indexes
// the 66 books, places word cursors, and keeps the per-word and per-book search
// marks. The program reaches it through Engine().

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "BookIndex.h"
#include "BookRecords.h"
#include "EnglishWordList.h"
#include "SearchMarks.h"
#include "TextIndex.h"
#include "WordCursor.h"
#include "core/IxoFormat.h"
#include "platform/SharedLibrary.h"
#include "platform/StringList.h"

namespace engine {

inline constexpr char ProductKey[] = "SOFTWARE\\Varnholt\\Ixo Bible";
inline constexpr char SdkKey[] = "SOFTWARE\\Varnholt\\Ixo SDK";
inline constexpr int DefaultSettings = 0x8006;  // 0x8000: the value is valid
inline constexpr int DefaultSensitivity = 7;

class TixoEngine {
 public:
  static constexpr int Books = ixo::BookCount;

  TixoEngine() = default;
  TixoEngine(const TixoEngine&) = delete;
  TixoEngine& operator=(const TixoEngine&) = delete;

  // ---- settings and loading ----------------------------------------------------

  // Reads the settings, loads the library and binds its nine functions, maps
  // the data files, decodes the word list and indexes the books. A library
  // that lacks any of the nine functions is not used: nothing of it is called
  // and Loaded stays false. So it stays for an edition that is not whole
  // (core/WholeEdition.h), which is reported ("Bad data file:" naming the
  // file, or "Bad English data file."): nothing of it is mapped or indexed,
  // and no status file is made from it. Returns Loaded.
  bool Load();
  // Fills the folders and settings from the registry store, with their
  // defaults; true when LibraryPath is not empty.
  bool ReadSettings();

  // ---- book index and cursors --------------------------------------------------

  // Indexes the books of the mapped text (Load runs it); without a text view
  // the index stays empty.
  void BuildIndex();
  // The book routines (BookRecords.h) over this engine's books.
  bool BookCursor(int book, TWordCursor& cursor) const;
  bool SeekVerse(int book, int chapter, int verse, TWordCursor& cursor) const;
  int ChapterVerseCount(const ixo::IxoWritten* chapterStart) const;

  // ---- search marks (cleared through Marks) ---------------------------------------
  // Kind 'E': key is a word key, matched in its low 14 bits (every case of the
  // word); 'H' and 'G': key is a Strong's number, matched in any lemma slot, in
  // books 1 to 39 and 40 to 66 alone. Any other kind matches nothing.

  // Marks every match of one term with the bit of the condition (1 to 14).
  void MarkWord(int condition, std::uint16_t key, char kind);
  // Marks the matches within one book with mask.
  void MarkBookMatches(int book, std::uint16_t mask, std::uint16_t key, char kind);

  // Where each key and Strong's number occurs: built by BuildIndex (over no
  // words without a text).
  TextIndex& WordIndex();
  // Where the chapters of a book begin as the search counts them (BookRecords.h).
  std::span<const std::uint32_t> ChapterOpenings(int book) const;

  // ---- fields ----------------------------------------------------------------------

  platform::SharedLibrary DataLibrary;
  BookField<&BookWords::words> BookText{books_};    // each book's first word
  BookField<&BookWords::lemmas> BookLemma{books_};  // its lemma record
  const ixo::IxoWritten* TextData = nullptr;
  const std::uint8_t* EnglishData = nullptr;
  const ixo::TLemmaRec* LemmaData = nullptr;
  void* StatusData = nullptr;  // kept, not read
  int TextCount = 0;           // text records
  int EnglishCount = 0;        // bytes of the word list
  int LemmaCount = 0;          // lemma records
  int StatusCount = 0;         // status words
  int (*ReleaseAllProc)() = nullptr;  // never called
  bool Loaded = false;
  SearchMarks Marks;  // by word number, 1 to the last word, and by book
  std::array<std::string, Books + 1> BookNames;  // full names, set by Load
  std::array<TBookInfoRec, Books + 1> BookInfo{};  // the books' index records; entry 0 holds nothing
  std::string InstallDir;   // installation folder
  std::string UserDataDir;  // per-user data folder
  std::string LibraryPath;  // the data-file library
  std::string EditionDir;   // folder of the text, lemma and word-list files
  std::string DocumentDir;  // output folder of published documents
  std::string HtmlDir;      // chapter pages and the status file
  std::string HomeDir;      // the program's home folder: InstallDir + "ixodesk/"
  platform::TStringList Colors;  // highlight entries name=value
  int Settings = 0;              // option bits
  int Sensitivity = 0;           // search word span

  EnglishWordList English;  // the decoded word list

 private:
  void ClearViews();

  std::array<BookWords, Books + 1> books_{};  // entry 0 holds nothing
  std::unique_ptr<TextIndex> index_;
};

// The process-wide engine, created unloaded on first use.
TixoEngine& Engine();
// Puts engine in place of the process-wide one (tests) and returns the one it
// replaces; a null engine makes the next Engine() create a new one.
std::unique_ptr<TixoEngine> ReplaceEngine(std::unique_ptr<TixoEngine> engine);

}  // namespace engine
