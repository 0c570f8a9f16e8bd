#include "NodeImages.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "NodeKind.h"

namespace ui {
namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the size asked for.
constexpr qreal kGrid = 32.0;

const QColor kOutline(0xF4, 0xF4, 0xF4);
const QColor kPaper(0xF6, 0xF1, 0xE1);
const QColor kInk(0x3A, 0x5F, 0xA8);
const QColor kBlue(0x4F, 0x8E, 0xF7);
const QColor kLightBlue(0x9C, 0xCB, 0xFF);
const QColor kGold(0xF2, 0xC1, 0x4E);
const QColor kOrange(0xF5, 0x9E, 0x42);
const QColor kGreen(0x5E, 0xD1, 0x8A);
const QColor kRed(0xF0, 0x65, 0x5A);
const QColor kPurple(0xB5, 0x8C, 0xF2);
const QColor kTeal(0x3C, 0xC7, 0xC2);

void Outlined(QPainter& p, const QColor& fill, qreal width = 1.5) {
  p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
}

void Lines(QPainter& p, const QColor& colour, qreal x1, qreal x2, qreal top, int count, qreal step) {
  p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(x1, top + i * step), QPointF(x2, top + i * step));
}

void Magnifier(QPainter& p) {
  p.setPen(QPen(kGold, 5.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(19, 19), QPointF(27, 27));
  Outlined(p, kLightBlue, 2.5);
  p.drawEllipse(QPointF(13, 13), 9, 9);
  p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(8, 8, 10, 10), 100 * 16, 80 * 16);
}

void Book(QPainter& p) {
  Outlined(p, kPaper);
  p.drawRoundedRect(QRectF(9, 5, 18, 23), 2, 2);
  Outlined(p, kBlue);
  p.drawRoundedRect(QRectF(5, 3, 19, 25), 2.5, 2.5);
  p.setPen(QPen(kGold, 2.0));
  p.drawLine(QPointF(9, 4), QPointF(9, 27));
  p.drawRect(QRectF(12, 9, 9, 5));
}

void Page(QPainter& p, const QColor& fill) {
  QPainterPath sheet;
  sheet.moveTo(7, 3);
  sheet.lineTo(20, 3);
  sheet.lineTo(26, 9);
  sheet.lineTo(26, 29);
  sheet.lineTo(7, 29);
  sheet.closeSubpath();
  Outlined(p, fill);
  p.drawPath(sheet);
  p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
}

void Chapter(QPainter& p) {
  Page(p, kPaper);
  Lines(p, kInk, 11, 22, 14, 4, 4);
}

void Verse(QPainter& p, const QColor& bullet) {
  Outlined(p, kPaper);
  p.drawRoundedRect(QRectF(4, 10, 24, 12), 3, 3);
  Outlined(p, bullet, 1.2);
  p.drawEllipse(QPointF(10, 16), 3.5, 3.5);
  Lines(p, kInk, 16, 24, 16, 1, 0);
}

void Clock(QPainter& p) {
  Outlined(p, kLightBlue, 2.0);
  p.drawEllipse(QPointF(16, 16), 12, 12);
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 16), QPointF(16, 8));
  p.drawLine(QPointF(16, 16), QPointF(22, 19));
}

void Folder(QPainter& p, const QColor& fill) {
  QPainterPath shape;
  shape.moveTo(3, 8);
  shape.lineTo(12, 8);
  shape.lineTo(15, 11);
  shape.lineTo(29, 11);
  shape.lineTo(29, 27);
  shape.lineTo(3, 27);
  shape.closeSubpath();
  Outlined(p, fill);
  p.drawPath(shape);
  p.drawLine(QPointF(3, 14), QPointF(29, 14));
}

void OpenFolder(QPainter& p) {
  Outlined(p, kOrange);
  p.drawPolygon(QPolygonF(
      {QPointF(3, 7), QPointF(12, 7), QPointF(15, 10), QPointF(26, 10), QPointF(26, 14), QPointF(3, 27)}));
  Outlined(p, kGold);
  p.drawPolygon(QPolygonF({QPointF(8, 14), QPointF(30, 14), QPointF(25, 27), QPointF(3, 27)}));
}

void Calendar(QPainter& p, bool wholeYear) {
  Outlined(p, kPaper);
  p.drawRoundedRect(QRectF(4, 6, 24, 22), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawRect(QRectF(5, 7, 22, 5));
  p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 3), QPointF(10, 8));
  p.drawLine(QPointF(22, 3), QPointF(22, 8));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      const bool marked = wholeYear || (row == 1 && column == 2);
      p.setBrush(marked ? kBlue : kLightBlue);
      p.drawRect(QRectF(7 + column * 5, 14 + row * 4.5, 3.2, 3));
    }
  }
}

void Star(QPainter& p, QPointF centre, qreal outer, qreal inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const qreal radius = i % 2 ? inner : outer;
    const qreal angle = (-90 + i * 36) * 3.14159265358979 / 180;
    star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  Outlined(p, kGold, 1.0);
  p.drawPolygon(star);
}

void Study(QPainter& p) {
  Page(p, kPaper);
  Lines(p, kInk, 11, 17, 8, 2, 4);
  Star(p, QPointF(18, 20), 8, 3.5);
}

void WordList(QPainter& p) {
  for (int i = 0; i < 3; ++i) {
    const qreal y = 8 + i * 8;
    Outlined(p, kTeal, 1.2);
    p.drawEllipse(QPointF(7, y), 3, 3);
    Lines(p, kOutline, 13, 28, y, 1, 0);
  }
}

void Span(QPainter& p) {
  p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 7), QPointF(4, 25));
  p.drawLine(QPointF(28, 7), QPointF(28, 25));
  p.setPen(QPen(kOrange, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(8, 16), QPointF(24, 16));
  p.drawPolyline(QPolygonF({QPointF(12, 11), QPointF(8, 16), QPointF(12, 21)}));
  p.drawPolyline(QPolygonF({QPointF(20, 11), QPointF(24, 16), QPointF(20, 21)}));
}

void Name(QPainter& p) {
  Outlined(p, kPurple);
  QPainterPath shoulders;
  shoulders.moveTo(5, 29);
  shoulders.cubicTo(5, 19, 27, 19, 27, 29);
  shoulders.closeSubpath();
  p.drawPath(shoulders);
  p.drawEllipse(QPointF(16, 11), 6.5, 6.5);
}

void NameEntry(QPainter& p) {
  Outlined(p, kPaper);
  p.drawRoundedRect(QRectF(3, 7, 26, 18), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kPurple);
  p.drawEllipse(QPointF(10, 14), 3, 3);
  p.drawRoundedRect(QRectF(6, 18, 8, 4), 2, 2);
  Lines(p, kInk, 17, 25, 13, 3, 4);
}

void DrawKind(QPainter& p, int kind) {
  using namespace node;
  switch (kind) {
    case kResultRoot:
      return Magnifier(p);
    case kBook:
      return Book(p);
    case kChapter:
      return Chapter(p);
    case kVerse:
      return Verse(p, kGreen);
    case kHistoryStudy:
      return Clock(p);
    case kVerseSelected:
      return Verse(p, kGold);
    case kFolder:
      return Folder(p, kGold);
    case kYear:
      return Calendar(p, true);
    case kMonth:
      return Calendar(p, false);
    case kStudy:
      return Study(p);
    case kFolderOpen:
      return OpenFolder(p);
    case kWordList:
      return WordList(p);
    case kSpan:
      return Span(p);
    case kFolderDeep1:
      return Folder(p, kGreen);
    case kFolderDeep2:
      return Folder(p, kPurple);
    case kFolderDeep3:
      return Folder(p, kTeal);
    case kName:
      return Name(p);
    case kNameEntry:
      return NameEntry(p);
  }
}

template <typename Draw>
QPixmap Picture(int size, Draw draw) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  draw(painter);
  painter.end();
  return QPixmap::fromImage(image);
}

void ProgramPicture(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1C, 0x2B, 0x4A));
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  // An open book with a ribbon.
  Outlined(p, kPaper, 1.2);
  QPainterPath left;
  left.moveTo(16, 10);
  left.cubicTo(12, 7, 7, 7, 4, 8);
  left.lineTo(4, 25);
  left.cubicTo(7, 24, 12, 24, 16, 27);
  left.closeSubpath();
  p.drawPath(left);
  QPainterPath right;
  right.moveTo(16, 10);
  right.cubicTo(20, 7, 25, 7, 28, 8);
  right.lineTo(28, 25);
  right.cubicTo(25, 24, 20, 24, 16, 27);
  right.closeSubpath();
  p.drawPath(right);
  Lines(p, kInk, 7, 13, 13, 3, 4);
  Lines(p, kInk, 19, 25, 13, 3, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawPolygon(
      QPolygonF({QPointF(21, 8), QPointF(24, 8), QPointF(24, 15), QPointF(22.5, 13.5), QPointF(21, 15)}));
  p.setPen(QPen(kGold, 1.5));
  p.drawLine(QPointF(16, 10), QPointF(16, 27));
}

}  // namespace

ImageList NodeImages(int size) {
  QVector<QPixmap> pictures;
  for (int kind = 0; kind < node::kKindCount; ++kind) {
    pictures.append(Picture(size, [kind](QPainter& p) { DrawKind(p, kind); }));
  }
  return ImageList(QSize(size, size), std::move(pictures));
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Picture(size, ProgramPicture));
  return icon;
}

}  // namespace ui
