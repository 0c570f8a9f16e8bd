#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace desktop {
namespace {

// Every picture is drawn on a 32 x 32 grid, twice as large for sharp scaling.
constexpr int kGrid = 32;
constexpr int kScale = 2;

const QColor kLight(0xF4, 0xF4, 0xF4);
const QColor kBlue(0x6F, 0xA8, 0xFF);
const QColor kGold(0xF2, 0xC1, 0x4E);

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kGrid * kScale, kGrid * kScale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kScale, kScale);
  draw(painter);
  painter.end();
  pixmap.setDevicePixelRatio(kScale);
  return QIcon(pixmap);
}

// A triangle pointing left (direction -1) or right (+1) about the centre x.
void Arrow(QPainter& p, qreal x, int direction, const QColor& fill) {
  QPainterPath path;
  path.moveTo(x + direction * 8, 16);
  path.lineTo(x - direction * 6, 6);
  path.lineTo(x - direction * 6, 26);
  path.closeSubpath();
  p.setPen(QPen(kLight, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
}

// The tree pane: a tall bar at the left edge with lines for its nodes.
void Pane(QPainter& p) {
  p.setPen(QPen(kLight, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(3, 5, 10, 22), 2, 2);
  p.setPen(QPen(kLight, 2.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(6, 10 + i * 4), QPointF(10, 10 + i * 4));
}

}  // namespace

QIcon ShowPaneIcon() {
  return Drawn([](QPainter& p) {
    Pane(p);
    Arrow(p, 22, +1, kBlue);
  });
}

QIcon HidePaneIcon() {
  return Drawn([](QPainter& p) {
    Pane(p);
    Arrow(p, 22, -1, kBlue);
  });
}

QIcon SearchIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(kGold, 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(27, 27));
    p.setPen(QPen(kLight, 2.5));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(13, 13), 9, 9);
  });
}

QIcon PreviousIcon() {
  return Drawn([](QPainter& p) { Arrow(p, 15, -1, kBlue); });
}

QIcon NextIcon() {
  return Drawn([](QPainter& p) { Arrow(p, 17, +1, kBlue); });
}

}  // namespace desktop
