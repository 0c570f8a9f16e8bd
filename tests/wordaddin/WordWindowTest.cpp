#include <gtest/gtest.h>

#include "ui/ModalForm.h"
#include <QWidget>
#include <QtTest/QTest>

#include "QtTesting.h"
#include "wordaddin/WordWindow.h"

namespace wordaddin {
namespace {

TEST(PlaceForm, CentresOrOffsetsWithinTheWindow) {
  const struct {
    const char* name;
    QRect window;
    int x, y;
    QPoint expected;
  } cases[] = {
      {"centred", QRect(100, 50, 800, 600), -1, -1, QPoint(300, 200)},
      {"offsets on the screen", QRect(100, 50, 800, 600), 25, 25, QPoint(25, 25)},
      {"too narrow to centre", QRect(100, 50, 300, 600), -1, -1, QPoint(0, 200)},
      {"as wide as the form", QRect(0, 0, 400, 300), -1, -1, QPoint(0, 0)},
      {"offset past the edge", QRect(0, 0, 420, 600), 25, 25, QPoint(0, 25)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlacedPosition(c.window, QSize(400, 300), c.x, c.y), c.expected) << c.name;
  }
}

TEST(PlaceForm, ModalFormIsShownWhereItWasPlaced) {
  QWidget host;
  host.setGeometry(100, 50, 800, 600);
  ui::ModalForm form;
  form.resize(400, 300);
  QPoint shownAt;
  testing::ModalWatcher watcher([&shownAt](QWidget& window) { shownAt = window.pos(); });
  PlaceFormOverWindow(&host, form, true, 25, 25);
  EXPECT_EQ(watcher.Count(), 1);
  EXPECT_EQ(shownAt, QPoint(25, 25));

  PlaceFormOverWindow(&host, form, false, 30, 40);
  EXPECT_EQ(watcher.Count(), 1);  // placed, not shown
  EXPECT_EQ(form.pos(), QPoint(30, 40));
}

TEST(FindWordWindow, ActiveWindowOfAnotherProgramGivesWayToTheHostsMainWindow) {
  EXPECT_EQ(FindWordWindow(), nullptr);
  QWidget main;
  main.setObjectName(kHostMainWindowName);
  QWidget other;  // its class is not the host program's
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(FindWordWindow(), &main);
}

}  // namespace
}  // namespace wordaddin
