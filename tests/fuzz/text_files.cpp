// The text's data files: the engine loads a small edition one of whose
// three files (text, lemma records, word list) is the input, indexes its
// books, walks them with word cursors and writes their chapter pages, as the
// desktop program does at its first start.
//
// Input: a byte naming the file (0 the text, 1 the lemma records, 2 the word
// list), then its bytes; the other two files are those of the small text.
//
// Properties: a file the engine cannot use (not whole records, a lemma file
// shorter than the text, a word list without its 18 whole groups) is refused
// with a message and the engine counts as not loaded, so that no page is
// written from it; a loaded text shows no message but the one of a book
// whose separator miscounts its words, its cursors walk each book's words
// within the book and the text, its verses are found within their book, its
// words have keys that read back, and every chapter page of every book is
// written.

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzLibrary.h"
#include "FuzzText.h"
#include "TempFolder.h"
#include "TestInstallation.h"
#include "core/IxoFormat.h"
#include "core/WordList.h"
#include "core/ixocore.h"
#include "data/TextBuilder.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Dialogs.h"
#include "publish/HtmlPages.h"

namespace {

constexpr std::array<const char*, 3> kFiles = {ixo::TextFileName, ixo::LemmaFileName, ixo::EnglishFileName};

// The three files of the small text, built once.
const std::array<std::string, 3>& SmallEdition() {
  static const std::array<std::string, 3> files = [] {
    const testing_support::TempFolder folder;
    FUZZ_CHECK(data::BuildFixtureEdition(folder.Path(), fuzz::SmallText).ok);
    std::array<std::string, 3> bytes;
    for (std::size_t i = 0; i < kFiles.size(); ++i) bytes[i] = testing_support::ReadFileBytes(folder.File(kFiles[i]));
    return bytes;
  }();
  return files;
}

// What the format asks of the three files, read from their bytes alone: a
// text of whole records, a lemma record for each of them, and a word list of
// its 18 whole groups, each of words of its length.
bool WholeEdition(const std::array<std::string, 3>& files) {
  const std::string& text = files[0];
  if (text.empty() || text.size() % ixo::TextRecordSize != 0) return false;
  if (files[1].size() / ixo::LemmaRecordSize < text.size() / ixo::TextRecordSize) return false;
  const auto list = std::span(reinterpret_cast<const std::uint8_t*>(files[2].data()), files[2].size());
  if (list.empty() || list[0] != ixo::MaxWordLength) return false;
  std::size_t at = ixo::EnglishHeaderSize;
  for (int length = 1; length <= ixo::MaxWordLength; ++length) {
    if (at + sizeof(ixo::EnglishGroupHeader) > list.size() || ixo::ReadU16(&list[at]) != length) return false;
    at += sizeof(ixo::EnglishGroupHeader) + std::size_t{ixo::ReadU16(&list[at + 2])} * length;
    if (at > list.size()) return false;
  }
  return true;
}

// A book whose separator counts other words than it holds is loaded with its
// words counted, after a message box that says so.
bool IsBookCountWarning(const platform::DialogRequest& shown) { return shown.text.starts_with("WordCnt Error"); }

bool WithinText(const engine::TixoEngine& text, const ixo::IxoWritten* record) {
  return record >= text.TextData && record < text.TextData + text.TextCount;
}

// A word stored as letters (each byte a letter, with or without its hyphen
// bit) is found again by its spelling. The engine does not judge the letters
// of a list: a word holding other bytes (a zero byte, or a hyphen stored as a
// letter) decodes to a spelling no look-up matches.
bool StoredAsLetters(const engine::TixoEngine& text, std::uint16_t key) {
  const std::optional<std::span<const std::uint8_t>> stored =
      ixo::StoredWordOfKey(std::span(text.English.EnglishGroups).subspan(1), key);
  return stored && !stored->empty() && std::ranges::all_of(*stored, [](std::uint8_t byte) {
    const char c = static_cast<char>(byte & ixo::LetterMask);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

void CheckBook(const engine::TixoEngine& text, int book) {
  engine::TWordCursor cursor;
  if (!text.BookCursor(book, cursor)) return;
  std::uint32_t words = 1;
  do {
    FUZZ_CHECK(WithinText(text, cursor.Cur) && cursor.Cur >= cursor.First && cursor.Cur < cursor.End);
    const std::uint16_t key = cursor.Cur->key;
    if (StoredAsLetters(text, key)) FUZZ_CHECK(!engine::KeysForWord(engine::KeyToEnglishWord(key)).empty());
  } while (engine::NextWord(cursor) && ++words);
  FUZZ_CHECK(words == static_cast<std::uint32_t>(cursor.End - cursor.First));

  const engine::TBookInfoRec& info = text.BookInfo[book];
  for (int chapter = 1; chapter <= info.ChapterCount + 1; ++chapter) {
    for (const int verse : {1, 2, 200}) {
      engine::TWordCursor at;
      FUZZ_CHECK(text.SeekVerse(book, chapter, verse, at));
      FUZZ_CHECK(at.Cur >= at.First && at.Cur < at.End && at.First == cursor.First);
    }
  }
}

void CheckPagesWritten(const engine::TixoEngine& text, int book) {
  const engine::TBookInfoRec& info = text.BookInfo[book];
  engine::TWordCursor cursor;
  if (!text.BookCursor(book, cursor)) return;
  FUZZ_CHECK(publish::WriteBookHtml(info));
  for (int chapter = 1; chapter <= info.ChapterCount; ++chapter)
    FUZZ_CHECK(std::filesystem::exists(text.HtmlDir + "Bible/" + std::to_string(book) + "/" +
                                       std::to_string(chapter) + ".html"));
}

// One installation for every input, its data-file library kept loaded. Its
// views are closed before the files of the next input replace those of the
// last; the next load of the engine maps them afresh.
struct Installation {
  Installation() {
    std::filesystem::create_directories(installation.EditionDir());
    void* library = fuzz::KeepLoaded(installation.InstallDir() + "2011.ixocore");
    releaseAll = reinterpret_cast<ixo::ReleaseAllFunction*>(dlsym(library, "IxoMapReleaseAll"));
    FUZZ_CHECK(releaseAll != nullptr);
  }
  testing_support::TestInstallation installation{IXOCORE_LIBRARY};
  ixo::ReleaseAllFunction* releaseAll = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto dialogs = std::make_shared<platform::RecordingDialogService>();
  static const platform::ScopedDialogService recorded(dialogs);
  static const Installation installed;
  const testing_support::TestInstallation& installation = installed.installation;
  if (size == 0 || data[0] >= kFiles.size()) return 0;
  installed.releaseAll();

  std::array<std::string, 3> files = SmallEdition();
  files[data[0]] = fuzz::AsText(std::span(data + 1, size - 1));
  for (std::size_t i = 0; i < kFiles.size(); ++i)
    FUZZ_CHECK(testing_support::WriteFileBytes(installation.EditionDir() + kFiles[i], files[i]));

  dialogs->Clear();
  engine::ReplaceEngine(std::make_unique<engine::TixoEngine>());
  engine::TixoEngine& text = engine::Engine();
  text.Load();
  if (text.Loaded) {
    FUZZ_CHECK(WholeEdition(files));
    for (const platform::DialogRequest& shown : dialogs->Shown()) FUZZ_CHECK(IsBookCountWarning(shown));
  } else {
    FUZZ_CHECK(!dialogs->Shown().empty());
  }
  if (text.Loaded) {
    for (int book = 1; book <= engine::TixoEngine::Books; ++book) CheckBook(text, book);
    for (int book = 1; book <= engine::TixoEngine::Books; ++book) CheckPagesWritten(text, book);
  }
  engine::ReplaceEngine(nullptr);
  return 0;
}
