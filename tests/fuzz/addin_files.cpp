// The word-processor add-in's data files: the add-in's engine loads them
// (one of them the input, the other made from the small text) with the
// engine library of the build, indexes the books, and walks them with word
// cursors, their Strong's numbers and display words, as its insert dialog
// and its search do.
//
// Input: a byte naming the file (0 "IxoBible.2005", 1 "IxoReference.2005"),
// then its bytes.
//
// Properties: files that do not hold every book they announce leave the
// engine not loaded, with nothing of the engine library left to call; in a
// loaded text every cursor walks its book's words within the book, each word
// with the reference byte of its place, every verse asked for is found
// within its book, and every book is found by its full name.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "FuzzAddin.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "platform/Dialogs.h"
#include "wordaddin/WordCursor.h"
#include "wordaddin/ixoObject.h"

namespace {

using wordaddin::TixoEngine;

// Nothing of the engine library is left to call.
void CheckNotLoaded(const TixoEngine& engine) {
  FUZZ_CHECK(!engine.EngineLibrary.IsLoaded() && !engine.Entries.Complete());
  FUZZ_CHECK(engine.StrongsTable().empty());
  for (int book = 1; book <= TixoEngine::Books; ++book) FUZZ_CHECK(engine.BookNames[book].empty());
}

void CheckBook(const TixoEngine& engine, int book) {
  FUZZ_CHECK(engine.FindBookByName(engine.BookNames[book]) == book);
  wordaddin::TWordCursor cursor;
  if (!engine.BookCursor(book, cursor)) return;
  FUZZ_CHECK(cursor.RefByte == engine.BookReference[book]);
  std::uint32_t words = 1;
  do {
    const engine::TWordCursor& at = cursor.Text;
    FUZZ_CHECK(at.Cur >= at.First && at.Cur < at.End);
    engine.DisplayText(*at.Cur);
    engine.WordText(at.Cur->key);
  } while (wordaddin::NextWord(cursor) && ++words);
  FUZZ_CHECK(words == static_cast<std::uint32_t>(cursor.Text.End - cursor.Text.First));

  for (int chapter = 1; chapter <= engine.BookInfo[book].ChapterCount + 1; ++chapter) {
    for (const int verse : {1, 2, 200}) {
      wordaddin::TWordCursor at;
      FUZZ_CHECK(engine.SeekVerse(book, chapter, verse, at));
      FUZZ_CHECK(at.Text.Cur >= at.Text.First && at.Text.Cur < at.Text.End && at.Text.First == cursor.Text.First);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const platform::ScopedDialogService quiet(std::make_shared<platform::RecordingDialogService>());
  if (size == 0 || data[0] > 1) return 0;
  const fuzz::AddinFiles& files = fuzz::AddinFiles::Get();
  const std::string_view bytes = fuzz::AsText(std::span(data + 1, size - 1));
  files.Write(data[0] == 0 ? bytes : files.Bible(), data[0] == 1 ? bytes : files.Reference());

  TixoEngine engine;
  if (!engine.Load()) {
    CheckNotLoaded(engine);
    return 0;
  }
  for (int book = 1; book <= TixoEngine::Books; ++book) CheckBook(engine, book);
  return 0;
}
