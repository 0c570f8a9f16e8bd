#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/EventPump.h"
#include "ui/InputBlock.h"

namespace ui {
namespace {

// A window with a button that counts its clicks.
struct Window {
  QWidget widget;
  QPushButton* button = new QPushButton("Next", &widget);
  int clicks = 0;

  Window() {
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    widget.resize(200, 100);
    widget.show();
  }

  void QueueClick() {
    const QPointF at = button->rect().center();
    const QPointF global = button->mapToGlobal(at);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  }

  void QueueSpaceKey() {
    button->setFocus();
    QCoreApplication::postEvent(button, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    QCoreApplication::postEvent(button,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
  }

  // What the window system does when the user closes the window.
  void CloseAsTheUser() {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QApplication::instance()->notify(widget.windowHandle(), &close);
  }
};

TEST(EventPump, QueuedClicksReachTheButtonWithoutAPump) {
  Window window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.widget));
  window.QueueClick();
  window.QueueSpaceKey();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.clicks, 2);
  window.CloseAsTheUser();
  EXPECT_FALSE(window.widget.isVisible());
}

TEST(EventPump, LetsTimersRunButDropsInputQueuedDuringTheOperation) {
  Window window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.widget));
  int ticks = 0;
  {
    EventPump pump;
    QTimer::singleShot(0, [&] { ++ticks; });
    window.QueueClick();
    pump.Pump();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(window.clicks, 0);

    window.QueueClick();  // queued after the last pump: dropped when the operation ends
    window.QueueSpaceKey();
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(window.clicks, 0);

  window.QueueClick();  // after the operation input works again
  QCoreApplication::processEvents();
  EXPECT_EQ(window.clicks, 1);
}

TEST(EventPump, NoWindowClosesDuringTheOperation) {
  Window window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.widget));
  {
    EventPump pump;
    QTimer::singleShot(0, [&] { window.CloseAsTheUser(); });
    pump.Pump();
    EXPECT_TRUE(window.widget.isVisible());
  }
  EXPECT_TRUE(window.widget.isVisible());
  window.CloseAsTheUser();
  EXPECT_FALSE(window.widget.isVisible());
}

TEST(EventPump, ADialogThatTheOperationOpensStillTakesInput) {
  Window window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.widget));
  EventPump pump;

  QDialog dialog(&window.widget);
  auto* ok = new QPushButton("OK", &dialog);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  new QVBoxLayout(&dialog);
  dialog.layout()->addWidget(ok);
  QTimer::singleShot(50, [&] {
    const QPointF at = ok->rect().center();
    QCoreApplication::postEvent(ok, new QMouseEvent(QEvent::MouseButtonPress, at, ok->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(ok, new QMouseEvent(QEvent::MouseButtonRelease, at, ok->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  });
  QTimer::singleShot(5000, &dialog, &QDialog::reject);  // keeps a failure from hanging
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);

  window.QueueClick();  // the operation's own window still takes none
  pump.Pump();
  EXPECT_EQ(window.clicks, 0);
}

// The block alone runs no events: it holds the user off over the turns of the
// program's own event loop, and input still waiting when it ends gets through.
TEST(InputBlock, HoldsTheUserOffAcrossTheTurnsOfTheEventLoop) {
  Window window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.widget));
  {
    InputBlock block;
    window.QueueClick();
    window.QueueSpaceKey();
    QCoreApplication::processEvents();
    window.CloseAsTheUser();
    EXPECT_EQ(window.clicks, 0);
    EXPECT_TRUE(window.widget.isVisible());
    window.QueueClick();
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(window.clicks, 1);
}

}  // namespace
}  // namespace ui
