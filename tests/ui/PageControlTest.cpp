#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>

#include "ui/PageControl.h"

namespace ui {
namespace {

TEST(PageControl, SwitchByCodeRunsNoHandlerAndSwitchByTheUserDoes) {
  PageControl mode;
  QWidget* bible = new QWidget;
  QWidget* search = new QWidget;
  QWidget* help = new QWidget;
  mode.AddPage(bible, "Bible");
  mode.AddPage(search, "Search");
  mode.AddPage(help, "Help");
  std::vector<QWidget*> changes;
  mode.OnChange = [&] { changes.push_back(mode.ActivePage()); };

  mode.SetActivePage(help);
  mode.SetActivePageIndex(1);
  mode.SetActivePage(new QWidget(&mode));  // not a page: ignored
  mode.SetActivePageIndex(7);
  EXPECT_EQ(mode.ActivePage(), search);
  EXPECT_TRUE(changes.empty());

  mode.resize(400, 300);
  mode.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&mode));
  QTabBar* tabs = mode.findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  EXPECT_EQ(mode.ActivePage(), bible);
  EXPECT_EQ(changes, std::vector<QWidget*>{bible});

  mode.SetTabsVisible(false);
  EXPECT_FALSE(tabs->isVisible());
  EXPECT_EQ(mode.PageCount(), 3);
  EXPECT_EQ(mode.Page(2), help);
}

}  // namespace
}  // namespace ui
