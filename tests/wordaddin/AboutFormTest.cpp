#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest/QTest>

#include "QtTesting.h"
#include "wordaddin/IxoAbout.h"

namespace wordaddin {
namespace {

TEST(AboutForm, IsABorderlessPictureOnTop) {
  TFormAbout form;
  EXPECT_EQ(form.size(), QSize(537, 281));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form.Image1->geometry(), QRect(0, 0, 536, 280));
  EXPECT_FALSE(form.SplashTimer->isActive());
  EXPECT_EQ(form.SplashTimer->interval(), 7000);
}

TEST(AboutForm, KeyColourIsSeeThrough) {
  TFormAbout form;
  const QRegion opaque = form.mask();
  EXPECT_TRUE(opaque.contains(QPoint(268, 140)));  // the picture
  EXPECT_FALSE(opaque.contains(QPoint(1, 1)));     // the key colour around the panel
  EXPECT_FALSE(opaque.contains(QPoint(536, 280)));  // the form's edge beyond the picture
}

TEST(AboutForm, ClosesItselfAfterItsIntervalAndGetsTheDesignedOneBack) {
  TFormAbout form;
  form.SetSplashInterval(50);
  QElapsedTimer clock;
  clock.start();
  QTimer::singleShot(5000, &form, &QDialog::reject);  // a safety net, far beyond the interval
  form.exec();
  EXPECT_LT(clock.elapsed(), 4000);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.SplashTimer->interval(), 7000);
  EXPECT_FALSE(form.SplashTimer->isActive());
}

TEST(AboutForm, ClickCloses) {
  TFormAbout form;
  testing::ModalWatcher click([](QWidget& window) { QTest::mouseClick(&window, Qt::LeftButton); });
  form.exec();
  EXPECT_EQ(click.Count(), 1);
  EXPECT_FALSE(form.isVisible());
}

TEST(AboutForm, RestoreGivesTheDesignedInterval) {
  TFormAbout form;
  form.SetSplashInterval(2500);
  EXPECT_EQ(form.SplashTimer->interval(), 2500);
  form.RestoreSplashInterval();
  EXPECT_EQ(form.SplashTimer->interval(), 7000);
}

}  // namespace
}  // namespace wordaddin
