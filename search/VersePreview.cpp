#include "VersePreview.h"

#include "engine/WordCursor.h"
#include "platform/Dialogs.h"
#include "publish/WordPunctuation.h"

namespace search {
namespace {

void Warn(const std::string& text) { platform::MessageDlg(text, platform::DialogType::Warning); }

}  // namespace

std::optional<std::string> VersePreviewText(std::string_view bookName, int chapter, int verse,
                                            const SearchText& text) {
  const int book = text.FindBookByName(bookName);
  if (book == 0) {
    const std::string name(bookName);
    Warn("\"" + name + "\" is not contained in the bible");
    return std::nullopt;
  }
  if (chapter < 1 || chapter > text.BookInfo(book).ChapterCount) {
    Warn("The specified chapter is not contained in the book");
    return std::nullopt;
  }
  // The cursor stops at the chapter's last verse when the verse lies beyond
  // it: only the verse itself counts as found.
  engine::TWordCursor cursor;
  if (!text.SeekVerse(book, chapter, verse, cursor) || cursor.Cur->verse != verse) {
    Warn("The specified verse is not contained in the chapter");
    return std::nullopt;
  }

  std::string verseText;
  for (;;) {
    const ixo::IxoWritten& word = *cursor.Cur;
    const std::string display = text.DisplayWord(word);
    if (!verseText.empty()) verseText += ' ';
    verseText += publish::WordPrefix(cursor.Prev, word) + display +
                 publish::WordSuffix(word, cursor.Next, publish::LastCharacter(display));
    if (!engine::NextWord(cursor) || cursor.Cur->verse != word.verse) break;
  }
  return verseText;
}

}  // namespace search
