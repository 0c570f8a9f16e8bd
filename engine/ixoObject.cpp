#include "ixoObject.h"

#include <algorithm>
#include <array>
#include <future>
#include <optional>
#include <span>

#include "BookNameTable.h"
#include "core/IxoFormat.h"
#include "core/WholeEdition.h"
#include "SettingValues.h"
#include "ixoutils.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/ShellFolders.h"

namespace engine {
namespace {

// The nine functions of the data-file library, bound by name.
struct CoreFunctions {
  using Map = void*(const char* prefix);
  using Count = int();

  Count* releaseAll = nullptr;
  Map* mapText = nullptr;
  Map* mapLemma = nullptr;
  Map* mapEnglish = nullptr;
  Map* mapStatus = nullptr;
  Count* textCount = nullptr;
  Count* lemmaCount = nullptr;
  Count* englishCount = nullptr;
  Count* statusCount = nullptr;

  explicit CoreFunctions(const platform::SharedLibrary& library)
      : releaseAll(library.Bind<Count>("IxoMapReleaseAll")),
        mapText(library.Bind<Map>("IxoMapText")),
        mapLemma(library.Bind<Map>("IxoMapLemma")),
        mapEnglish(library.Bind<Map>("IxoMapEnglish")),
        mapStatus(library.Bind<Map>("IxoMapStatus")),
        textCount(library.Bind<Count>("IxoMapTextCnt")),
        lemmaCount(library.Bind<Count>("IxoMapLemmaCnt")),
        englishCount(library.Bind<Count>("IxoMapEnglishCnt")),
        statusCount(library.Bind<Count>("IxoMapStatusCnt")) {}

  bool Complete() const {
    return releaseAll && mapText && mapLemma && mapEnglish && mapStatus && textCount &&
           lemmaCount && englishCount && statusCount;
  }
};

int NotNegative(int count) { return std::max(count, 0); }

// The records from at to the end; none when at lies beyond them.
template <typename Record>
std::span<const Record> From(std::span<const Record> records, std::size_t at) {
  return at < records.size() ? records.subspan(at) : std::span<const Record>();
}

void ReportBadDataFiles(const std::vector<std::string>& problems) {
  std::string text = "Bad data file:";
  for (const std::string& problem : problems) text += "\n" + problem;
  platform::MessageBox(text, "Error", platform::DialogButtons::OK, platform::DialogType::Error);
}

// Maps the text, the lemma file and the word list through the library, decodes
// the list and maps the status file. An edition that is not whole is
// reported, and false: the status file is then not made from it.
bool MapEdition(TixoEngine& engine, const CoreFunctions& core) {
  if (const std::vector<std::string> problems = ixo::CheckTextFiles(engine.EditionDir); !problems.empty()) {
    ReportBadDataFiles(problems);
    return false;
  }
  engine.ReleaseAllProc = core.releaseAll;
  engine.TextData = static_cast<const ixo::IxoWritten*>(core.mapText(engine.EditionDir.c_str()));
  engine.LemmaData = static_cast<const ixo::TLemmaRec*>(core.mapLemma(engine.EditionDir.c_str()));
  if (!engine.TextData || !engine.LemmaData) {
    ReportBadDataFiles({engine.EditionDir + ixo::TextFileName + ", " + ixo::LemmaFileName + ": cannot be mapped"});
    return false;
  }
  engine.EnglishData = static_cast<const std::uint8_t*>(core.mapEnglish(engine.EditionDir.c_str()));
  engine.EnglishCount = engine.EnglishData ? NotNegative(core.englishCount()) : 0;
  if (!engine.English.Init(std::span(engine.EnglishData, static_cast<std::size_t>(engine.EnglishCount))))
    return false;  // reported
  engine.StatusData = core.mapStatus(engine.HtmlDir.c_str());
  engine.TextCount = NotNegative(core.textCount());
  engine.LemmaCount = NotNegative(core.lemmaCount());
  engine.StatusCount = NotNegative(core.statusCount());
  return true;
}

}  // namespace

// ---- settings and loading ------------------------------------------------------------

bool TixoEngine::ReadSettings() {
  InstallDir.clear();
  EditionDir.clear();
  LibraryPath.clear();
  DocumentDir.clear();
  HtmlDir.clear();
  UserDataDir = GetUserDataPath();
  Colors.Clear();
  Settings = 0;
  Sensitivity = 0;

  platform::TRegistry product(platform::RootKey::LocalMachine);
  platform::TRegistry sdk(platform::RootKey::LocalMachine);
  if (product.OpenKey(ProductKey, false) && sdk.OpenKey(SdkKey, false)) {
    InstallDir = ReadFolder(product, "Installation");
    EditionDir = ReadFolder(sdk, "Edition");
    HtmlDir = ReadFolder(product, "HTML");
    if (HtmlDir.empty()) HtmlDir = platform::ApplicationDataFolder() + "/Ixo Bible/2011/";
    LibraryPath = ReadText(sdk, "Library");
    if (LibraryPath.empty()) LibraryPath = InstallDir + ixo::LibraryFileName;
    HomeDir = InstallDir + "ixodesk/";
  }

  platform::TRegistry user(platform::RootKey::CurrentUser);
  if (user.OpenKey(ProductKey, false)) {
    DocumentDir = ReadFolder(user, "Document");
    Settings = user.ReadInteger("Settings").value_or(0);
    Colors.SetCommaText(ReadText(user, "Colors"));
    Sensitivity = user.ReadInteger("Sensitivity").value_or(0);
  }

  if (InstallDir.empty()) InstallDir = platform::IncludeTrailingSeparator(platform::ProgramFolder());
  if (!(Settings & 0x8000)) Settings = DefaultSettings;
  if (DocumentDir.empty()) DocumentDir = platform::PersonalDocumentsFolder() + "/Ixo Bible/";
  if (Sensitivity < 1) Sensitivity = DefaultSensitivity;
  return !LibraryPath.empty();
}

void TixoEngine::ClearViews() {
  TextData = nullptr;
  EnglishData = nullptr;
  LemmaData = nullptr;
  StatusData = nullptr;
  TextCount = EnglishCount = LemmaCount = StatusCount = 0;
  ReleaseAllProc = nullptr;
  BookNames = {};
  English = EnglishWordList();
  index_.reset();
}

bool TixoEngine::Load() {
  Colors = platform::TStringList();
  ClearViews();
  DataLibrary = ReadSettings() ? platform::SharedLibrary::Load(LibraryPath) : platform::SharedLibrary();

  const CoreFunctions core(DataLibrary);
  if (!core.Complete()) DataLibrary = platform::SharedLibrary();
  Loaded = DataLibrary.IsLoaded() && MapEdition(*this, core);

  if (Loaded) {
    for (int b = 1; b <= Books; ++b) BookNames[b] = std::string(BookNameTable[b].Name);
  } else {
    // Nothing of a damaged edition is used, and nothing is written from it.
    ClearViews();
    DataLibrary = platform::SharedLibrary();
  }

  BuildIndex();
  return Loaded;
}

// ---- book index and cursors ---------------------------------------------------------

void TixoEngine::BuildIndex() {
  BookInfo = {};
  books_ = {};
  index_.reset();
  Marks.Clear();
  if (!TextData || TextCount == 0) return;

  const std::span<const ixo::IxoWritten> text(TextData, static_cast<std::size_t>(TextCount));
  const std::span<const ixo::TLemmaRec> lemmas(LemmaData, LemmaData ? static_cast<std::size_t>(LemmaCount) : 0);
  // Where the books lie follows from their separators alone: the text index
  // is built over the books as the separators place them, while their words
  // are walked for their chapters and verses on a thread of their own (where
  // the system gives one; otherwise when waited for). Only a damaged text,
  // one whose book ends before its count, gives other books after the walk;
  // the index is then built again. The walk's messages are shown here.
  std::array<TBookInfoRec, Books + 1> placed{};
  std::size_t separator = 0;
  for (int b = 1; b <= Books; ++b) {
    books_[b] = PlaceBook(placed[b], b > 1 ? &placed[b - 1] : nullptr, From(text, separator), From(lemmas, separator));
    books_[b].info = &BookInfo[b];
    separator += 1 + placed[b].WordCount;
  }
  std::array<BookWords, Books + 1> walked{};
  std::array<std::optional<WordCountProblem>, Books + 1> problems{};
  std::future<void> walk = std::async([this, text, lemmas, &walked, &problems] {
    std::size_t from = 0;
    for (int b = 1; b <= Books; ++b) {
      walked[b] = IndexBook(BookInfo[b], b > 1 ? &BookInfo[b - 1] : nullptr, From(text, from), From(lemmas, from),
                            problems[b]);
      from += 1 + BookInfo[b].WordCount;
    }
  });
  index_ = std::make_unique<TextIndex>(books_);
  walk.get();
  bool placedAsWalked = true;
  for (int b = 1; b <= Books; ++b) {
    if (problems[b]) ReportWordCount(*problems[b]);
    placedAsWalked = placedAsWalked && walked[b].words == books_[b].words && walked[b].lemmas == books_[b].lemmas &&
                     walked[b].count == books_[b].count && walked[b].firstWordNumber == books_[b].firstWordNumber &&
                     walked[b].greek == books_[b].greek;
    books_[b] = std::move(walked[b]);
  }
  if (!placedAsWalked) index_ = std::make_unique<TextIndex>(books_);
  // Cleared last, so that the marks are still in the caches when the first
  // search sets them.
  Marks.Size(BookInfo[Books].WordBase + BookInfo[Books].WordCount);
}

bool TixoEngine::BookCursor(int book, TWordCursor& cursor) const { return engine::BookCursor(books_, book, cursor); }

bool TixoEngine::SeekVerse(int book, int chapter, int verse, TWordCursor& cursor) const {
  return engine::SeekVerse(books_, book, chapter, verse, cursor);
}

std::span<const std::uint32_t> TixoEngine::ChapterOpenings(int book) const {
  return engine::ChapterOpenings(books_, book);
}

int TixoEngine::ChapterVerseCount(const ixo::IxoWritten* chapterStart) const {
  return engine::ChapterVerseCount(books_, chapterStart);
}

// ---- search marks ----------------------------------------------------------------------

TextIndex& TixoEngine::WordIndex() {
  if (!index_) index_ = std::make_unique<TextIndex>(books_);
  return *index_;
}

void TixoEngine::MarkWord(int condition, std::uint16_t key, char kind) {
  const std::uint16_t mask = ConditionMask(condition);
  if (mask == 0) return;
  for (int b = 1; b <= Books; ++b) MarkBookMatches(b, mask, key, kind);
}

void TixoEngine::MarkBookMatches(int book, std::uint16_t mask, std::uint16_t key, char kind) {
  if (book < 1 || book > Books || books_[book].count == 0) return;
  const bool greekBook = books_[book].greek;
  std::span<const std::uint32_t> words;
  if (kind == 'E')
    words = WordIndex().WordsWithKey(key);
  else if ((kind == 'H' && !greekBook) || (kind == 'G' && greekBook))
    words = WordIndex().WordsWithStrongs(greekBook, key);

  // The term's words within the book.
  const std::uint32_t first = books_[book].firstWordNumber;
  const auto from = std::ranges::lower_bound(words, first);
  const auto to = std::lower_bound(from, words.end(), first + books_[book].count);
  Marks.Mark(book, std::span(from, to), mask);
}

// ---- the process-wide engine ------------------------------------------------------------

namespace {
std::unique_ptr<TixoEngine>& EngineSlot() {
  static std::unique_ptr<TixoEngine> engine;
  return engine;
}
}  // namespace

TixoEngine& Engine() {
  std::unique_ptr<TixoEngine>& engine = EngineSlot();
  if (!engine) engine = std::make_unique<TixoEngine>();
  return *engine;
}

std::unique_ptr<TixoEngine> ReplaceEngine(std::unique_ptr<TixoEngine> engine) {
  std::swap(EngineSlot(), engine);
  return engine;
}

}  // namespace engine
