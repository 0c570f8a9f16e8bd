#include "publish/ixoText.h"

#include "engine/BookIndex.h"
#include "engine/WordCursor.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "publish/BookInText.h"
#include "publish/DiskFiles.h"
#include "publish/OutputFile.h"
#include "publish/WordPunctuation.h"

namespace publish {
namespace {

using LineStyle = PublishOptions::LineStyle;

// The number with leading zeros to the width; wider numbers as they are.
std::string Padded(int number, std::size_t width) {
  std::string digits = std::to_string(number);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

void Warn(const std::string& text) { platform::MessageDlg(text, platform::DialogType::Warning); }

// "<H430>" for each Strong's number of the word, in the order of its record.
std::string StrongsNumbers(const ixo::TLemmaRec* lemma) {
  std::string numbers;
  if (!lemma) return numbers;
  for (const std::uint16_t slot : lemma->slots) {
    if (ixo::LemmaNumber(slot) == 0) break;
    numbers += ixo::LemmaIsGreek(slot) ? "<G" : "<H";
    numbers += std::to_string(ixo::LemmaNumber(slot)) + ">";
  }
  return numbers;
}

}  // namespace

bool TprintText::WriteBookText(const engine::TBookInfoRec& book) const {
  if (!BookIsInText(book)) return false;
  for (int chapter = 1; chapter <= book.ChapterCount; ++chapter)
    if (!WriteChapterText(book, chapter)) return false;
  return true;
}

bool TprintText::WriteChapterText(const engine::TBookInfoRec& book, int chapter) const {
  const engine::TixoEngine& text = engine::Engine();
  const int number = book.Ordinal + 1;
  const std::string bookName = number <= ixo::BookCount ? text.BookNames[number] : std::string();
  const std::string bb = Padded(number, 2);
  const std::string ccc = Padded(chapter, 3);
  const LineStyle lineStyle = options_.lineStyle;
  std::string file;
  if (lineStyle == LineStyle::VerseOnly) file += bookName + " " + ccc + "\r\n";

  engine::TWordCursor cursor;
  if (number > ixo::BookCount || chapter < 1 || chapter > book.ChapterCount) {
    Warn("The specified chapter is not contained in the book");
  } else if (text.SeekVerse(number, chapter, 1, cursor)) {
    const int verses = text.ChapterVerseCount(cursor.Cur);
    for (int verse = 1; verse <= verses; ++verse) {
      if (lineStyle == LineStyle::Numeric) file += bb + ccc;
      else if (lineStyle == LineStyle::Alpha) file += bookName + " " + ccc + ":";
      WriteVerseText(file, book, chapter, verse);
    }
  }
  FileSink& files = options_.sink ? *options_.sink : DiskFiles();
  return WriteWholeFile(files, platform::JoinPath(options_.folder, bb + "~" + ccc + ".txt"), file);
}

void TprintText::WriteVerseText(std::string& file, const engine::TBookInfoRec& book, int chapter,
                                int verse) const {
  if (options_.processMessages) options_.processMessages();
  const LineStyle lineStyle = options_.lineStyle;
  if (lineStyle == LineStyle::Alpha) file += std::to_string(verse) + " ";
  else file += Padded(verse, 3) + (lineStyle == LineStyle::Numeric ? "" : " ");

  engine::TWordCursor cursor;
  if (!engine::Engine().SeekVerse(book.Ordinal + 1, chapter, verse, cursor)) {
    Warn("The specified verse is not contained in the chapter");
    return;
  }
  for (bool first = true;; first = false) {
    const ixo::IxoWritten& word = *cursor.Cur;
    const bool brackets = options_.showItalicizedWords && (word.flags & ixo::FlagItalic) != 0;
    const std::string display = engine::KeyToDisplayWord(word.key);
    if (!first) file += ' ';
    file += WordPrefix(cursor.Prev, word);
    if (brackets) file += '[';
    file += display;
    if (brackets) file += ']';
    if (options_.printStrongsInfo) file += StrongsNumbers(cursor.Lemma);
    file += WordSuffix(word, cursor.Next, LastCharacter(display));
    if (!engine::NextWord(cursor) || cursor.Cur->verse != word.verse) break;
  }
  file += '\n';
}

}  // namespace publish
