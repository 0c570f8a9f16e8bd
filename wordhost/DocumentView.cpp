#include "DocumentView.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "HostColors.h"
#include "HostDocument.h"

namespace wordhost {
namespace {

QTextCharFormat CharFormatOf(const CharacterFormat& format) {
  QTextCharFormat chars;
  chars.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  chars.setFontItalic(format.italic);
  chars.setVerticalAlignment(format.superscript ? QTextCharFormat::AlignSuperScript
                                                : QTextCharFormat::AlignNormal);
  if (const auto rgb = PaletteColor(format.color)) chars.setForeground(QColor(rgb->red, rgb->green, rgb->blue));
  return chars;
}

}  // namespace

void RenderDocument(const HostDocument& document, QTextDocument& text) {
  text.clear();
  QTextCursor cursor(&text);
  bool first = true;
  for (const Paragraph& paragraph : document.Paragraphs()) {
    if (!first) cursor.insertBlock();
    first = false;
    for (const Run& run : paragraph.runs) cursor.insertText(QString::fromStdString(run.text), CharFormatOf(run.format));
  }
}

}  // namespace wordhost
