#include "BookTree.h"

#include "engine/ixoObject.h"
#include "platform/Paths.h"
#include "ui/TreeNode.h"

namespace desktop {
namespace {

constexpr int kChapterPrefixLength = 8;  // "Chapter "

bool IsNumberedBookDigit(QChar c) { return c == '1' || c == '2' || c == '3'; }

// A decimal number from 1 made of digits only; 0 for anything else.
int PositiveNumber(const QString& text) {
  if (text.isEmpty() || text.size() > 9) return 0;
  for (const QChar c : text)
    if (!c.isDigit() || c.unicode() > '9') return 0;
  return text.toInt();
}

}  // namespace

QString BookCaption(std::string_view name) {
  QString caption = QString::fromStdString(std::string(name));
  if (caption.isEmpty() || !IsNumberedBookDigit(caption[0])) return caption;
  return caption[0] + (QChar(' ') + caption.mid(1));
}

std::string ChapterPageAddress(std::string_view htmlDir, int book, int chapter, int verse) {
  std::string path(htmlDir);
  path += "Bible/" + std::to_string(book) + "/" + std::to_string(chapter) + ".html";
  return platform::FileAddress(path, "#v" + std::to_string(verse));
}

QString BookLabel(const QString& shortName) {
  if (shortName.isEmpty() || !IsNumberedBookDigit(shortName[0])) return shortName;
  static const QString numerals[] = {"I ", "II ", "III "};
  const int skip = shortName.size() > 1 && shortName[1] == ' ' ? 2 : 1;
  return numerals[shortName[0].unicode() - '1'] + shortName.mid(skip);
}

const engine::TBookInfoRec* BookRecordOf(const ui::TreeNode* node) {
  if (!node) return nullptr;
  const engine::TixoEngine& text = engine::Engine();
  for (int book = 1; book <= engine::TixoEngine::Books; ++book) {
    const engine::TBookInfoRec& record = text.BookInfo[book];
    if (node->Data() == reinterpret_cast<std::intptr_t>(&record)) return &record;
  }
  return nullptr;
}

QString ChapterText(const QString& caption) { return caption.mid(kChapterPrefixLength); }

int ChapterNumberOf(const QString& caption) {
  if (!caption.startsWith("Chapter ")) return 0;
  return PositiveNumber(ChapterText(caption));
}

int VerseNumberOf(const QString& caption) { return PositiveNumber(caption); }

}  // namespace desktop
