#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QToolTip>
#include <QtTest/QTest>

#include "QtTesting.h"
#include "wordaddin/QuickTree.h"

namespace wordaddin {
namespace {

QTreeWidgetItem* Node(QTreeWidgetItem* parent, const char* text) {
  auto* node = new QTreeWidgetItem(parent);
  node->setText(0, text);
  return node;
}

// Three levels, unsorted at each: "b" (with "y" (with "2", "1"), "x"), "c", "a".
void Fill(TQuickTree& tree) {
  auto* b = new QTreeWidgetItem(&tree, QStringList("b"));
  new QTreeWidgetItem(&tree, QStringList("c"));
  new QTreeWidgetItem(&tree, QStringList("a"));
  auto* y = Node(b, "y");
  Node(b, "x");
  Node(y, "2");
  Node(y, "1");
}

// The captions depth first.
QString Walk(const TQuickTree& tree) {
  QStringList captions;
  for (QTreeWidgetItemIterator it(const_cast<TQuickTree*>(&tree)); *it; ++it) captions << (*it)->text(0);
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
      [&seen](const QTreeWidgetItem& a, const QTreeWidgetItem& b, std::intptr_t data) {
        seen = data;
        return QString::compare(b.text(0), a.text(0));  // backwards
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
  tree.SetOnCompare([](const QTreeWidgetItem&, const QTreeWidgetItem&, std::intptr_t) { return 0; });
  tree.SetSortType(TQuickTree::TSortType::Data);
  EXPECT_EQ(Walk(tree), "a b x y 1 2 c");
}

TEST(QuickTree, SortKeepsTheSelection) {
  TQuickTree tree;
  Fill(tree);
  QTreeWidgetItem* c = tree.topLevelItem(1);
  tree.setCurrentItem(c);
  tree.Resort();
  EXPECT_EQ(tree.currentItem(), c);
  EXPECT_TRUE(c->isSelected());
}

TEST(QuickTree, ClearRemovesEveryNode) {
  TQuickTree tree;
  Fill(tree);
  tree.Clear();
  EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST(QuickTree, ToolTipOfANodeThatDoesNotFitOnlyWhenSwitchedOn) {
  TQuickTree tree;
  tree.resize(80, 200);
  auto* node = new QTreeWidgetItem(&tree, QStringList("Chapter 119, a caption far too long to fit"));
  tree.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
  const QPoint at = tree.visualItemRect(node).center();
  auto hover = [&] {
    QHelpEvent event(QEvent::ToolTip, at, tree.viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree.viewport(), &event);
  };

  hover();
  EXPECT_FALSE(QToolTip::isVisible());
  tree.SetShowToolTip(true);
  hover();
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), node->text(0));
  QToolTip::hideText();
}

}  // namespace
}  // namespace wordaddin
