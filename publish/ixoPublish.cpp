#include "publish/ixoPublish.h"

#include "engine/BookNameTable.h"
#include "engine/TextRecords.h"
#include "engine/WordCursor.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Dialogs.h"
#include "publish/OutputFile.h"
#include "publish/WordPunctuation.h"

namespace publish {
namespace {

void Warn(const std::string& text) { platform::MessageDlg(text, platform::DialogType::Warning); }

}  // namespace

void TPublishWriter::WriteWord(std::string_view before, std::string_view word, std::string_view after,
                               int spaceKind, bool italic) {
  std::string text;
  text.reserve(before.size() + word.size() + after.size());
  text.append(before).append(word).append(after);
  WriteText(text, spaceKind, italic);
}

void TPublishWriter::ResetState() {
  FKeepTogetherState = false;
  FFontSizeState = false;
  FItalicState = false;
  FBoldState = false;
  FSuperscriptState = false;
  FColorState = 0;
  FJustificationState = -1;
}

void TPublishWriter::WriteBytes(std::string_view bytes) {
  FBytesWritten += static_cast<int>(bytes.size());
  if (FHandle) FHandle->Write(bytes);
}

bool TPublishWriter::OutputFailed() const { return FHandle && FHandle->Failed(); }

void TPublishWriter::BeginOutput(OutputFile* handle) {
  FBytesWritten = 0;
  FHandle = handle;
}

int TPublishWriter::EndOutput() {
  const int result = FBytesWritten;
  FHandle = nullptr;
  FBytesWritten = 0;
  ResetState();
  return result;
}

int TPublishWriter::PublishChapter(OutputFile* handle, int book, int chapter) {
  BeginOutput(handle);
  WriteChapter(book, chapter);
  return EndOutput();
}

void TPublishWriter::WriteChapter(int book, int chapter) {
  engine::TixoEngine& text = engine::Engine();
  if (book < 1 || book > ixo::BookCount) {
    const std::string number = std::to_string(book);
    Warn("\"" + number + "\" is not contained in the bible");
    return;
  }
  const int chapterCount = text.BookInfo[book].ChapterCount;
  BeginBook(engine::BookNameTable[book].Name, book, chapterCount);
  if (chapter < 1 || chapter > chapterCount) {
    Warn("The specified chapter is not contained in the book");
    return;
  }
  if (chapter == 1 || HeaderEachChapter()) WriteDocumentHeader();
  SetItalic(false);
  if (!WordCompatible()) SetKeepTogether(true);
  WriteChapterHeading(chapter, chapterCount);

  engine::TWordCursor cursor;
  if (!text.SeekVerse(book, chapter, 1, cursor)) {
    Warn("Internal Error:  Please contact the Program Author for assistance!");
    return;
  }

  bool bookEnded = false;
  for (bool firstVerse = true;; firstVerse = false) {
    if (!firstVerse) WriteText("  ", 1, false);
    WriteVerseNumber(std::to_string(cursor.Cur->verse));
    for (;;) {
      const ixo::IxoWritten& word = *cursor.Cur;
      // No word after this one (the book's end) ends the verse too.
      const bool last = !engine::IsWord(cursor.Next) || cursor.Next->verse != word.verse;
      const std::string display = engine::KeyToDisplayWord(word.key);
      std::string after = WordSuffix(word, cursor.Next, LastCharacter(display));
      if (!last) after += ' ';
      const bool italic = (word.flags & ixo::FlagItalic) != 0;
      WriteWord(WordPrefix(cursor.Prev, word), display, after, last ? 0 : 1, italic);
      bookEnded = !engine::NextWord(cursor);
      if (bookEnded || last) break;
    }
    if (!WordCompatible()) SetKeepTogether(false);
    if (OutputFailed()) return;
    if (bookEnded || cursor.Cur->verse <= 1) break;
  }
  if (bookEnded) EndBook();
  else EndChapter(chapter, chapterCount);
}

}  // namespace publish
