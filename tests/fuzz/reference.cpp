// The add-in's reference parser and the book names it starts from: a
// reference typed into the insert dialog, its book found by the add-in's
// book table and by the desktop's, the request parsed from the rest, and the
// passage sought in the add-in's text of the small text.
//
// Input: a byte giving the chapters of the book (1 to 256), then the
// reference as typed.
//
// Properties: a book name gives a book from 1 to 66 or none; a reference
// read whole stays within the book's chapters, first before last, its verses
// never below 0 or beyond the parser's limit, and its first verse is found
// within its book.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "FuzzAddin.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "platform/Dialogs.h"
#include "publish/BookNames.h"
#include "wordaddin/ReferenceParser.h"
#include "wordaddin/ixoObject.h"

namespace {

using wordaddin::ReferenceRequest;

constexpr int kNumberLimit = 1'000'000;

// The add-in's engine over the small text, loaded once.
const wordaddin::TixoEngine& AddinEngine() {
  static wordaddin::TixoEngine engine;
  static const bool loaded = (fuzz::AddinFiles::Get(), engine.Load());
  FUZZ_CHECK(loaded);
  return engine;
}

void CheckRequest(const ReferenceRequest& request, int chapterCount) {
  if (!request.unread.empty()) return;
  FUZZ_CHECK(1 <= request.firstChapter && request.firstChapter <= request.lastChapter);
  FUZZ_CHECK(request.lastChapter <= chapterCount);
  FUZZ_CHECK(request.fromVerse >= 0 && request.fromVerse <= kNumberLimit);
  FUZZ_CHECK(request.toVerse >= 0 && request.toVerse <= kNumberLimit);
}

// The insertion clamps the verses into the book.
void CheckPassageFound(const wordaddin::TixoEngine& engine, int book, const ReferenceRequest& request) {
  if (!request.unread.empty()) return;
  wordaddin::TWordCursor cursor;
  if (!engine.BookCursor(book, cursor)) return;
  wordaddin::TWordCursor at;
  FUZZ_CHECK(engine.SeekVerse(book, request.firstChapter, std::max(request.fromVerse, 1), at));
  FUZZ_CHECK(at.Text.Cur >= cursor.Text.First && at.Text.Cur < cursor.Text.End);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const platform::ScopedDialogService quiet(std::make_shared<platform::RecordingDialogService>());
  if (size == 0) return 0;
  const wordaddin::TixoEngine& engine = AddinEngine();
  const int chapters = data[0] + 1;
  const std::string_view typed = fuzz::AsText(std::span(data + 1, size - 1));

  const int desktopBook = publish::FindBookByName(typed);
  FUZZ_CHECK(desktopBook >= 0 && desktopBook <= 66);
  const int book = engine.FindBookByName(typed);
  FUZZ_CHECK(book >= 0 && book <= 66);
  if (book == 0) return 0;

  const bool single = wordaddin::IsSingleChapterBook(book);
  const int chapterCount = single ? 1 : chapters;
  const ReferenceRequest request = wordaddin::ParseReference(typed, single, chapterCount);
  CheckRequest(request, chapterCount);
  CheckPassageFound(engine, book, request);
  return 0;
}
