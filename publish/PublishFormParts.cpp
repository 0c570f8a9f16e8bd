#include "publish/PublishFormParts.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/NamedWidget.h"

namespace publish {

using ui::Named;

namespace {

constexpr int kPictureSize = 120;

// The picture of the publishing forms: an open book, its pages lined with
// text, on a maroon cover.
QPixmap PublishingPicture() {
  QPixmap picture(kPictureSize, kPictureSize);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor maroon(0x80, 0x00, 0x00);
  p.setPen(Qt::NoPen);
  p.setBrush(maroon);
  p.drawRoundedRect(QRectF(6, 22, 108, 80), 6, 6);
  for (const int side : {-1, +1}) {
    // One page, bowed at the top and the bottom towards the spine at x 60.
    QPainterPath page;
    page.moveTo(60, 30);
    page.quadTo(60 + side * 24, 20, 60 + side * 50, 26);
    page.lineTo(60 + side * 50, 92);
    page.quadTo(60 + side * 24, 86, 60, 96);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x60, 0x50, 0x40), 1));
    p.setBrush(QColor(0xFB, 0xF6, 0xE8));
    p.drawPath(page);
    p.setPen(QPen(QColor(0x70, 0x70, 0x90), 2, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 7; ++line) {
      const qreal y = 38 + line * 7.5;
      p.drawLine(QPointF(60 + side * 8, y), QPointF(60 + side * 43, y - 1));
    }
  }
  p.end();
  return picture;
}

}  // namespace

FormHeading MakeFormHeading(QWidget* form, const QString& instruction) {
  auto* name = Named(new QLabel(QStringLiteral("Ixo Bible Publication Utility"), form), "LabelAppName");
  QFont large = name->font();
  large.setPointSize(16);
  large.setBold(true);
  name->setFont(large);
  name->setStyleSheet(QStringLiteral("color: maroon"));
  auto* instruct = Named(new QLabel(instruction, form), "Instruct");
  instruct->setWordWrap(true);
  auto* picture = Named(new QLabel(form), "Image1");
  picture->setFixedSize(kPictureSize, kPictureSize);
  picture->setPixmap(PublishingPicture());
  return {name, instruct, picture};
}

void LayOutForm(QWidget* form, const FormHeading& heading, QVBoxLayout* options, QPushButton* okay,
                QPushButton* cancel, const QSize& clientArea) {
  options->insertWidget(0, heading.Instruct);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okay);
  buttons->addWidget(cancel);
  auto* grid = new QGridLayout(form);
  grid->addWidget(heading.LabelAppName, 0, 0, 1, 2);
  grid->addWidget(heading.Image1, 1, 0, Qt::AlignTop);
  grid->addLayout(options, 1, 1);
  grid->addLayout(buttons, 2, 0, 1, 2);
  form->resize(clientArea.expandedTo(form->sizeHint()));
}

}  // namespace publish
