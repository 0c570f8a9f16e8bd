#include "QuickTree.h"

#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace wordaddin {
namespace {

// Sorts the children of node by compare, then those of each child, and so on down.
void SortBelow(QTreeWidgetItem& node, const TTreeCompare& compare, std::intptr_t data) {
  if (node.childCount() == 0) return;
  QList<QTreeWidgetItem*> children = node.takeChildren();
  std::stable_sort(children.begin(), children.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    return compare(*a, *b, data) < 0;
  });
  node.addChildren(children);
  for (QTreeWidgetItem* child : children) SortBelow(*child, compare, data);
}

}  // namespace

int QuickTreeDefaultCompare(const QTreeWidgetItem& node1, const QTreeWidgetItem& node2, std::intptr_t) {
  return QString::localeAwareCompare(node1.text(0), node2.text(0));
}

TQuickTree::TQuickTree(QWidget* owner) : QTreeWidget(owner) {
  setHeaderHidden(true);
  setColumnCount(1);
}

void TQuickTree::SetSortType(TSortType value) {
  if (value == sortType_) return;
  sortType_ = value;
  const bool byText = value == TSortType::Text || value == TSortType::Both;
  const bool byData = value == TSortType::Data || value == TSortType::Both;
  if (byText || (byData && onCompare_)) Resort();
}

void TQuickTree::Clear() {
  setUpdatesEnabled(false);
  clear();
  setUpdatesEnabled(true);
}

void TQuickTree::Resort() { CustomSort(nullptr, 0); }

bool TQuickTree::CustomSort(const TTreeCompare& sortProc, std::intptr_t data) {
  // A Qt tree always holds its nodes, so there is never a missing window to refuse the sort.
  const TTreeCompare compare = sortProc ? sortProc : TTreeCompare(QuickTreeDefaultCompare);
  // Taking the nodes out to sort them loses the selection; it is put back after.
  QTreeWidgetItem* current = currentItem();
  const QList<QTreeWidgetItem*> selected = selectedItems();
  SortBelow(*invisibleRootItem(), compare, data);
  if (current) setCurrentItem(current);
  for (QTreeWidgetItem* node : selected) node->setSelected(true);
  return true;
}

bool TQuickTree::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
  if (!showToolTip_) {
    QToolTip::hideText();
    return true;
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QTreeWidgetItem* node = itemFromIndex(index);
  if (!node) return QTreeWidget::viewportEvent(event);
  const QRect shown = visualRect(index).intersected(viewport()->rect());
  const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this);
  int needed = fontMetrics().horizontalAdvance(node->text(0)) + margin;
  if (!node->icon(0).isNull()) needed += iconSize().width() + margin;
  if (needed > shown.width()) {
    QToolTip::showText(help->globalPos(), node->text(0), viewport(), shown);
    return true;
  }
  return QTreeWidget::viewportEvent(event);
}

}  // namespace wordaddin
