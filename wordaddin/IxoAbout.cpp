#include "IxoAbout.h"

#include <QBitmap>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "SplashPicture.h"

namespace wordaddin {
namespace {

constexpr int kDesignedSplashInterval = 7000;

}  // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : ui::ModalForm(parent),
      Image1(new QLabel(this)),
      SplashTimer(new QTimer(this)) {
  setObjectName("FormAbout");
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(537, 281);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kSplashKeyColor);
  setPalette(colours);
  setAutoFillBackground(true);

  Image1->setObjectName("Image1");
  const QPixmap picture = PaintSplashPicture();
  Image1->setPixmap(picture);
  Image1->setGeometry(0, 0, picture.width(), picture.height());
  // Every pixel of the key colour is see-through: the mask keeps all the others.
  setMask(picture.createMaskFromColor(kSplashKeyColor, Qt::MaskInColor));

  SplashTimer->setObjectName("SplashTimer");
  SplashTimer->setInterval(kDesignedSplashInterval);
  connect(SplashTimer, &QTimer::timeout, this, &TFormAbout::SplashTimerTimer);
  FormCreate();
}

void TFormAbout::FormCreate() { designedInterval_ = SplashTimer->interval(); }

void TFormAbout::FormShow() { SplashTimer->start(); }

void TFormAbout::SplashTimerTimer() {
  SplashTimer->stop();
  RestoreSplashInterval();
  close();
}

void TFormAbout::SetSplashInterval(int ms) { SplashTimer->setInterval(ms); }

void TFormAbout::RestoreSplashInterval() { SplashTimer->setInterval(designedInterval_); }

void TFormAbout::showEvent(QShowEvent* event) {
  ui::ModalForm::showEvent(event);
  FormShow();
}

void TFormAbout::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}

}  // namespace wordaddin
