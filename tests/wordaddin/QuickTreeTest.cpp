#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QToolTip>
#include <QtTest/QTest>

#include "QtTesting.h"
#include "wordaddin/QuickTree.h"

namespace wordaddin {
namespace {

// Three levels, unsorted at each: "b" (with "y" (with "2", "1"), "x"), "c", "a".
void Fill(TQuickTree& tree) {
  ui::TreeNode* b = tree.Add(nullptr, "b");
  tree.Add(nullptr, "c");
  tree.Add(nullptr, "a");
  ui::TreeNode* y = tree.Add(b, "y");
  tree.Add(b, "x");
  tree.Add(y, "2");
  tree.Add(y, "1");
}

// The captions in tree order.
QString Walk(const TQuickTree& tree) {
  QStringList captions;
  for (const ui::TreeNode* node = tree.FirstNode(); node; node = node->GetNext()) captions << node->Text();
  return captions.join(' ');
}

TEST(QuickTree, OneSortReachesEveryLevel) {
  TQuickTree tree;
  Fill(tree);
  EXPECT_TRUE(tree.CustomSort(nullptr, 0));
  EXPECT_EQ(Walk(tree), "a b x y 1 2 c");
}

TEST(QuickTree, SortByAGivenCompareWithItsData) {
  TQuickTree tree;
  Fill(tree);
  std::intptr_t seen = 0;
  tree.CustomSort(
      [&seen](const ui::TreeNode& a, const ui::TreeNode& b, std::intptr_t data) {
        seen = data;
        return QString::compare(b.Text(), a.Text());  // backwards
      },
      77);
  EXPECT_EQ(seen, 77);
  EXPECT_EQ(Walk(tree), "c b y 2 1 x a");
}

TEST(QuickTree, SortTypeResortsOnlyWhenItSortsSomething) {
  TQuickTree tree;
  Fill(tree);
  const QString unsorted = Walk(tree);
  tree.SetSortType(TQuickTree::TSortType::None);
  EXPECT_EQ(Walk(tree), unsorted);
  tree.SetSortType(TQuickTree::TSortType::Data);  // no compare handler
  EXPECT_EQ(tree.SortType(), TQuickTree::TSortType::Data);
  EXPECT_EQ(Walk(tree), unsorted);
  tree.SetSortType(TQuickTree::TSortType::Text);
  EXPECT_EQ(Walk(tree), "a b x y 1 2 c");
}

TEST(QuickTree, SortByDataWithACompareHandlerResorts) {
  TQuickTree tree;
  Fill(tree);
  tree.SetOnCompare([](const ui::TreeNode&, const ui::TreeNode&, std::intptr_t) { return 0; });
  tree.SetSortType(TQuickTree::TSortType::Data);
  EXPECT_EQ(Walk(tree), "a b x y 1 2 c");
}

TEST(QuickTree, SortKeepsTheSelectionAndRunsNoChangeHandler) {
  TQuickTree tree;
  Fill(tree);
  ui::TreeNode* x = tree.FirstNode()->Child(1);
  ASSERT_TRUE(tree.Select(x));
  int changes = 0;
  tree.OnChange = [&changes](ui::TreeNode*) { ++changes; };
  tree.Resort();
  EXPECT_EQ(tree.Selected(), x);
  EXPECT_EQ(x->Index(), 0);
  EXPECT_EQ(changes, 0);
}

TEST(QuickTree, ClearRemovesEveryNode) {
  TQuickTree tree;
  Fill(tree);
  tree.Clear();
  EXPECT_TRUE(tree.IsEmpty());
  EXPECT_TRUE(tree.updatesEnabled());
}

TEST(QuickTree, ToolTipOfANodeThatDoesNotFitOnlyWhenSwitchedOn) {
  TQuickTree tree;
  tree.resize(80, 200);
  ui::TreeNode* node = tree.Add(nullptr, "Chapter 119, a caption far too long to fit");
  tree.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
  const QPoint at = tree.visualRect(node->index()).center();
  auto hover = [&] {
    QHelpEvent event(QEvent::ToolTip, at, tree.viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree.viewport(), &event);
  };

  hover();
  EXPECT_FALSE(QToolTip::isVisible());
  tree.SetShowToolTip(true);
  hover();
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), node->Text());
  QToolTip::hideText();
}

}  // namespace
}  // namespace wordaddin
