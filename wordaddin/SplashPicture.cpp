#include "SplashPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace wordaddin {
namespace {

constexpr int kWidth = 536;
constexpr int kHeight = 280;

void PaintBook(QPainter& painter, const QRectF& area) {
  const QColor cover(110, 40, 30);
  const QColor page(250, 244, 226);
  const qreal middle = area.center().x();
  painter.setPen(QPen(cover, 3));
  painter.setBrush(page);
  QPainterPath left;
  left.moveTo(middle, area.top() + 8);
  left.quadTo(area.left() + area.width() * 0.25, area.top(), area.left(), area.top() + 8);
  left.lineTo(area.left(), area.bottom());
  left.quadTo(area.left() + area.width() * 0.25, area.bottom() - 8, middle, area.bottom());
  left.closeSubpath();
  painter.drawPath(left);
  QTransform mirror;
  mirror.translate(2 * middle, 0);
  mirror.scale(-1, 1);
  painter.drawPath(mirror.map(left));
  // A few lines of text on each page.
  painter.setPen(QPen(QColor(150, 130, 110), 2));
  for (int line = 0; line < 5; ++line) {
    const qreal y = area.top() + 28 + line * (area.height() - 40) / 5;
    painter.drawLine(QPointF(area.left() + 10, y), QPointF(middle - 10, y));
    painter.drawLine(QPointF(middle + 10, y), QPointF(area.right() - 10, y));
  }
}

}  // namespace

QPixmap PaintSplashPicture() {
  QPixmap picture(kWidth, kHeight);
  picture.fill(kSplashKeyColor);
  QPainter painter(&picture);
  // The panel is drawn without smoothing at its edge, so that no pixel near the
  // key colour is left half see-through.
  const QRectF panel(6, 6, kWidth - 12, kHeight - 12);
  QLinearGradient parchment(panel.topLeft(), panel.bottomLeft());
  parchment.setColorAt(0, QColor(255, 248, 225));
  parchment.setColorAt(1, QColor(226, 204, 158));
  painter.setPen(QPen(QColor(120, 70, 30), 4));
  painter.setBrush(parchment);
  painter.drawRoundedRect(panel, 24, 24);

  painter.setRenderHint(QPainter::Antialiasing);
  PaintBook(painter, QRectF(40, 70, 150, 130));

  painter.setPen(QColor(90, 40, 20));
  QFont title("Serif", 40, QFont::Bold);
  painter.setFont(title);
  painter.drawText(QRectF(210, 50, 300, 80), Qt::AlignLeft | Qt::AlignVCenter, "Ixo Bible");
  QFont subtitle("Serif", 15);
  subtitle.setItalic(true);
  painter.setFont(subtitle);
  painter.drawText(QRectF(210, 130, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, "Add-in for your documents");
  QFont line("Sans", 11);
  painter.setFont(line);
  painter.drawText(QRectF(210, 180, 300, 60), Qt::AlignLeft | Qt::TextWordWrap,
                   "Insert verses of the King James Bible with Strong's numbers into the open document.");
  return picture;
}

}  // namespace wordaddin
