#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <stdexcept>

#include "QtPrinters.h"
#include "ui/BusyCursor.h"
#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace ui {
namespace {

TEST(CheckBox, ClickHandlerRunsOnEveryChangeOfItsStateByCodeAndByTheUser) {
  CheckBox box("Use color");
  std::vector<bool> seen;
  box.OnClick = [&] { seen.push_back(box.isChecked()); };

  box.setChecked(true);
  box.setChecked(true);  // no change, no handler
  box.setChecked(false);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  QTest::mouseClick(&box, Qt::LeftButton);
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));

  // Detaching the handler sets the state silently.
  auto handler = std::exchange(box.OnClick, nullptr);
  box.setChecked(false);
  box.OnClick = handler;
  EXPECT_EQ(seen.size(), 3u);
}

TEST(RadioButton, ClickHandlerRunsWhenItBecomesTheCheckedOne) {
  QWidget group;
  auto* all = new RadioButton("All Words", &group);
  auto* any = new RadioButton("Any Word", &group);
  all->setChecked(true);
  std::vector<QString> clicks;
  all->OnClick = [&] { clicks.push_back("all"); };
  any->OnClick = [&] { clicks.push_back("any"); };

  any->setChecked(true);  // by code; unchecks "all" without running its handler
  group.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
  QTest::mouseClick(any, Qt::LeftButton);  // already checked: nothing
  QTest::mouseClick(all, Qt::LeftButton);
  EXPECT_EQ(clicks, (std::vector<QString>{"any", "all"}));
}

bool BusyDuring(bool leaveEarly) {
  BusyCursor busy;
  if (leaveEarly) return QGuiApplication::overrideCursor() != nullptr;
  throw std::runtime_error("failed");
}

TEST(BusyCursor, ShowsTheHourglassAndRestoresItHoweverTheScopeEnds) {
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    BusyCursor outer;
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    { BusyCursor inner; }
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);  // still busy after a nested guard
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  EXPECT_TRUE(BusyDuring(true));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_THROW(BusyDuring(false), std::runtime_error);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace ui
