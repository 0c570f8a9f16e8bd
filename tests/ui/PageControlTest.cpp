#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

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

  // Hiding the active page's tab moves to another page without a handler.
  mode.SetPageTabVisible(0, false);
  EXPECT_NE(mode.ActivePage(), bible);
  EXPECT_EQ(changes, std::vector<QWidget*>{bible});
  mode.SetPageTabVisible(0, true);

  mode.SetTabsVisible(false);
  EXPECT_FALSE(tabs->isVisible());
  EXPECT_EQ(mode.PageCount(), 3);
  EXPECT_EQ(mode.Page(2), help);
}

// Pages whose tabs are all hidden are switched by code alone: the active page
// is shown whether its tab was hidden before or after it became active.
TEST(PageControl, TheActivePageIsShownWithItsTabHidden) {
  PageControl pages;
  for (const char* caption : {"Summary", "1", "2"}) pages.AddPage(new QWidget, caption);
  pages.resize(400, 300);
  pages.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));

  for (int page = 0; page < pages.PageCount(); ++page) pages.SetPageTabVisible(page, false);
  EXPECT_TRUE(pages.ActivePage()->isVisible());
  pages.SetActivePageIndex(0);
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  EXPECT_TRUE(pages.Page(0)->isVisible());

  pages.SetActivePageIndex(2);
  EXPECT_TRUE(pages.Page(2)->isVisible());
  EXPECT_FALSE(pages.Page(0)->isVisible());
  pages.SetActivePageIndex(0);
  EXPECT_TRUE(pages.Page(0)->isVisible());
  EXPECT_FALSE(pages.Page(2)->isVisible());
}

TEST(PageControl, ChangingNamesThePageTheUserLeft) {
  PageControl pages;
  for (const char* caption : {"Summary", "1", "2"}) pages.AddPage(new QWidget, caption);
  std::vector<std::string> calls;
  pages.OnChanging = [&](int left) {
    calls.push_back("left " + std::to_string(left) + " now " + std::to_string(pages.ActivePageIndex()));
  };
  pages.OnChange = [&] { calls.push_back("change"); };
  pages.SetActivePageIndex(1);  // by code: no handler, but the page left next is this one

  pages.resize(400, 300);
  pages.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
  QTabBar* tabs = pages.findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
  EXPECT_EQ(calls, (std::vector<std::string>{"left 1 now 2", "change"}));
}

}  // namespace
}  // namespace ui
