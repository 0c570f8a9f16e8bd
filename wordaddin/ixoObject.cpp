#include "ixoObject.h"

#include <algorithm>
#include <cstring>

#include "core/WordLetters.h"
#include "engine/SettingValues.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/ShellFolders.h"
#include "platform/TextUtils.h"
#include "platform/WholeFile.h"

namespace wordaddin {
namespace {

using engine::ReadFolder;
using engine::ReadText;

constexpr std::size_t kMaxWordLength = 255;

// A whole file, or empty bytes when it is missing, empty or unreadable.
std::string ReadDataFile(const std::string& path) {
  platform::WholeFile file = platform::ReadWholeFile(path);
  return file.status == platform::WholeFile::Status::Read ? std::move(file.bytes) : std::string();
}

// At most the leading characters of a short form the record says to compare,
// and never past its 8 characters or a NUL.
std::string ComparedChars(const char (&abbrev)[8], std::uint32_t length) {
  const std::size_t stored = strnlen(abbrev, sizeof abbrev);
  return std::string(abbrev, std::min<std::size_t>(stored, length));
}

}  // namespace

// ---- settings and loading -------------------------------------------------------------

bool TixoEngine::ReadSettings() {
  InstallDir.clear();
  VersionDir.clear();
  LibraryPath.clear();
  Folder2005.clear();
  Folder2007.clear();
  HttpServer.clear();
  DocumentDir.clear();
  Colors.Clear();
  Settings = 0;
  Sensitivity = 0;
  LargePrint = false;

  platform::TRegistry machine(platform::RootKey::LocalMachine);
  if (machine.OpenKey(AddinKey, false)) {
    InstallDir = ReadFolder(machine, "Installation");
    VersionDir = ReadFolder(machine, "Version");
    LibraryPath = ReadText(machine, "Interface");
    Folder2005 = ReadFolder(machine, "2005");
    Folder2007 = ReadFolder(machine, "2007");
    // A bare file name lies in the version folder.
    if (!LibraryPath.empty() && LibraryPath.find(platform::PathSeparator) == std::string::npos &&
        VersionDir.find(platform::PathSeparator) != std::string::npos) {
      LibraryPath = VersionDir + LibraryPath;
    }
  }

  platform::TRegistry user(platform::RootKey::CurrentUser);
  if (user.OpenKey(AddinKey, false)) {
    HttpServer = ReadFolder(user, "HTTP Server");
    DocumentDir = ReadFolder(user, "Document");
    Settings = user.ReadInteger("Settings").value_or(0);
    Colors.SetCommaText(ReadText(user, "Colors"));
    Sensitivity = user.ReadInteger("Sensitivity").value_or(0);
    LargePrint = user.ReadInteger("Large Print").value_or(0) != 0;
  }

  if (InstallDir.empty()) InstallDir = platform::IncludeTrailingSeparator(platform::ProgramFolder());
  if (VersionDir.empty()) VersionDir = InstallDir + "Ixo-2005/Lib/";
  if (LibraryPath.empty()) LibraryPath = VersionDir + EngineLibraryFileName;
  if (Folder2005.empty()) Folder2005 = InstallDir + "Ixo-2005/";
  if (Folder2007.empty()) Folder2007 = InstallDir + "Ixo-2007/";
  if (HttpServer.empty()) HttpServer = DefaultHttpServer;
  if (DocumentDir.empty()) DocumentDir = InstallDir + "Document/";

  if (!(Settings & 0x8000)) Settings = DefaultAddinSettings;
  const std::string personal = platform::PersonalDocumentsFolder();
  if (!personal.empty() && platform::StartsWithText(DocumentDir, personal)) Settings |= DocumentsUnderPersonalFolder;
  if (Sensitivity < 1) Sensitivity = DefaultAddinSensitivity;
  return !LibraryPath.empty();
}

bool TixoEngine::Load() {
  Colors = platform::TStringList();
  ReleaseLibrary();
  if (ReadSettings()) EngineLibrary = platform::SharedLibrary::Load(LibraryPath);
  const bool bound = EngineLibrary.IsLoaded() && BindLibrary();
  const bool indexed = BuildIndex();
  Loaded = bound && indexed;
  // Without its data the library is never called.
  if (!Loaded) ReleaseLibrary();
  return Loaded;
}

void TixoEngine::Unload() { ReleaseLibrary(); }

bool TixoEngine::BindLibrary() {
  Entries = EngineEntries::Bind(EngineLibrary);
  if (!Entries.Complete()) return false;
  const TBookMatchRec* books = Entries.GetBookMatch();
  if (!books) return false;
  for (int b = 1; b <= Books; ++b) {
    const TBookMatchRec& record = books[b - 1];
    BookNames[b] = record.FullName ? record.FullName : "";
    bookMatchNames_[b - 1] = BookMatchNames{ComparedChars(record.Abbrev1, record.Abbrev1Len),
                                            ComparedChars(record.Abbrev2, record.Abbrev2Len)};
  }
  for (int b = 1; b <= Books; ++b) {
    bookKeys_[b - 1] = publish::BookNameKey{BookNames[b], bookMatchNames_[b - 1].abbrev,
                                            bookMatchNames_[b - 1].altAbbrev};
  }
  const TStrongsEntry* table = Entries.engGetStrongsObject();
  strongsTable_ = table ? std::span(table, Entries.engGetKeyMax()) : std::span<const TStrongsEntry>();
  return true;
}

void TixoEngine::ReleaseLibrary() {
  Loaded = false;
  Entries = EngineEntries{};
  strongsTable_ = {};
  BookNames = {};
  bookMatchNames_ = {};
  bookKeys_ = {};
  EngineLibrary = platform::SharedLibrary();
}

std::vector<ixo::IxoWritten> TixoEngine::LoadBibleFile() const {
  const std::string bytes = ReadDataFile(VersionDir + ixo::AddinTextFileName);
  std::vector<ixo::IxoWritten> records(bytes.size() / sizeof(ixo::IxoWritten));
  if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(ixo::IxoWritten));
  return records;
}

std::vector<std::uint8_t> TixoEngine::LoadReferenceFile() const {
  const std::string bytes = ReadDataFile(VersionDir + ixo::AddinReferenceFileName);
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// ---- words ---------------------------------------------------------------------------------

std::uint16_t TixoEngine::WordKey(std::string_view word) const {
  if (!Entries.engWordKey) return 0;
  const std::string text(word.substr(0, kMaxWordLength));
  return Entries.engWordKey(text.c_str());
}

std::vector<std::uint16_t> TixoEngine::KeysForWord(std::string_view word) const {
  // The library looks up one key; the other spellings are found in its list.
  if (WordKey(word) == 0 || !Entries.engGetKeyMax) return {};
  // Two spellings of a word are compared as the library looks words up.
  const std::string letters = ixo::LookupForm(word.substr(0, kMaxWordLength));
  std::vector<std::uint16_t> keys;
  const std::uint16_t keyMax = Entries.engGetKeyMax();
  for (std::uint32_t key = 1; key <= keyMax; ++key)
    if (ixo::LookupForm(WordText(static_cast<std::uint16_t>(key))) == letters)
      keys.push_back(static_cast<std::uint16_t>(key));
  return keys;
}

std::string TixoEngine::WordText(std::uint16_t key) const {
  const char* text = Entries.engWordChr ? Entries.engWordChr(key) : nullptr;
  return text ? text : "";
}

std::string TixoEngine::DisplayText(const ixo::IxoWritten& record) const {
  const char* text = Entries.engWordCase ? Entries.engWordCase(&record) : nullptr;
  return text ? text : "";
}

int TixoEngine::FindBookByName(std::string_view name) const {
  if (!Entries.GetBookMatch) return 0;
  return publish::FindBookByName(name, bookKeys_);
}

// ---- book index and cursors ----------------------------------------------------------------

bool TixoEngine::BuildIndex() {
  BookReference = {};
  BookInfo = {};
  books_ = {};
  Marks.Clear();
  textBlock_ = LoadBibleFile();
  referenceBlock_ = LoadReferenceFile();

  const std::span<const ixo::IxoWritten> text(textBlock_);
  std::size_t header = 0;
  for (int b = 1; b <= Books; ++b) {
    const std::size_t records = header < text.size() ? ixo::AddinBookRecords(ixo::SeparatorWordCount(text[header])) : 0;
    if (records == 0 || header + records > text.size()) {
      // A short file: no book is positioned.
      BookInfo = {};
      books_ = {};
      return false;
    }
    books_[b] = engine::IndexBook(BookInfo[b], b > 1 ? &BookInfo[b - 1] : nullptr, text.subspan(header, records), {});
    header += records;
  }
  Marks.Size(BookInfo[Books].WordBase + BookInfo[Books].WordCount);
  return IndexReferences();
}

bool TixoEngine::IndexReferences() {
  // No reference file: no word has a Strong's number.
  if (referenceBlock_.empty()) return true;
  std::size_t run = 0;
  for (int b = 1; b <= Books; ++b) {
    const std::size_t bytes = ixo::AddinBookRunBytes(static_cast<std::uint16_t>(BookInfo[b].WordCount));
    if (run + bytes > referenceBlock_.size()) {
      BookReference = {};
      return false;
    }
    BookReference[b] = &referenceBlock_[run + 1];
    run += bytes;
  }
  return true;
}

bool TixoEngine::BookCursor(int book, TWordCursor& cursor) const {
  cursor = TWordCursor{};
  if (!engine::BookCursor(books_, book, cursor.Text)) return false;
  cursor.RefByte = BookReference[book];
  cursor.StrongsTable = strongsTable_;
  UpdateStrongs(cursor);
  return true;
}

bool TixoEngine::SeekVerse(int book, int chapter, int verse, TWordCursor& cursor) const {
  if (!BookCursor(book, cursor)) return false;
  const bool found = engine::SeekVerse(books_, book, chapter, verse, cursor.Text);
  // The reference byte goes with the word.
  if (cursor.RefByte) cursor.RefByte = BookReference[book] + (cursor.Text.Cur - cursor.Text.First);
  UpdateStrongs(cursor);
  return found;
}

std::span<const std::uint32_t> TixoEngine::ChapterOpenings(int book) const {
  return engine::ChapterOpenings(books_, book);
}

int TixoEngine::ChapterVerseCount(const ixo::IxoWritten* chapterStart) const {
  return engine::ChapterVerseCount(books_, chapterStart);
}

// ---- search marks ------------------------------------------------------------------------

void TixoEngine::MarkWord(int condition, std::uint16_t key, char kind) {
  const std::uint16_t mask = engine::ConditionMask(condition);
  if (mask == 0) return;
  for (int b = 1; b <= Books; ++b) MarkBookMatches(b, mask, key, kind);
}

void TixoEngine::MarkBookMatches(int book, std::uint16_t mask, std::uint16_t key, char kind) {
  const bool greekBook = book >= ixo::FirstGreekBook;
  const bool kindMatches = kind == 'E' || (kind == 'H' && !greekBook) || (kind == 'G' && greekBook);
  TWordCursor cursor;
  if (key == 0 || !kindMatches || !BookCursor(book, cursor)) return;
  do {
    const bool match = kind == 'E' ? ixo::KeyNumber(cursor.Text.Cur->key) == key : cursor.Strongs == key;
    if (match) Marks.Mark(book, cursor.Text.WordNumber(), mask);
  } while (NextWord(cursor));
}

}  // namespace wordaddin
