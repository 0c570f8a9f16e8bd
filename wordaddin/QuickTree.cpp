#include "QuickTree.h"

#include <QHelpEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <numeric>
#include <vector>

namespace wordaddin {
namespace {

// Each node's place among its sorted siblings, which the model then sorts by:
// a sort of the model moves nodes without removing them, so the selection stays.
constexpr int kSortRankRole = Qt::UserRole + 41;

std::vector<ui::TreeNode*> ChildrenOf(const QStandardItem& item) {
  std::vector<ui::TreeNode*> children;
  for (int row = 0; row < item.rowCount(); ++row) {
    if (ui::TreeNode* child = ui::TreeNode::From(item.child(row))) children.push_back(child);
  }
  return children;
}

// Gives the children of item, and theirs on down, their ranks by compare.
void RankBelow(const QStandardItem& item, const TTreeCompare& compare, std::intptr_t data) {
  const std::vector<ui::TreeNode*> children = ChildrenOf(item);
  std::vector<std::size_t> order(children.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return compare(*children[a], *children[b], data) < 0; });
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    children[order[rank]]->setData(static_cast<int>(rank), kSortRankRole);
  }
  for (const ui::TreeNode* child : children) RankBelow(*child, compare, data);
}

// Puts the children of item, and theirs on down, in the order of their ranks.
void SortBelow(QStandardItem& item) {
  item.sortChildren(0);
  for (ui::TreeNode* child : ChildrenOf(item)) SortBelow(*child);
}

}  // namespace

int QuickTreeDefaultCompare(const ui::TreeNode& node1, const ui::TreeNode& node2, std::intptr_t) {
  return QString::localeAwareCompare(node1.Text(), node2.Text());
}

TQuickTree::TQuickTree(QWidget* owner) : ui::TreeView(owner) {}

void TQuickTree::SetSortType(TSortType value) {
  if (value == sortType_) return;
  sortType_ = value;
  const bool byText = value == TSortType::Text || value == TSortType::Both;
  const bool byData = value == TSortType::Data || value == TSortType::Both;
  if (byText || (byData && onCompare_)) Resort();
}

void TQuickTree::Clear() {
  const UpdateGuard hold(*this);
  ui::TreeView::Clear();
}

void TQuickTree::Resort() { CustomSort(nullptr, 0); }

bool TQuickTree::CustomSort(const TTreeCompare& sortProc, std::intptr_t data) {
  // A Qt tree always holds its nodes, so there is never a missing window to refuse the sort.
  auto* nodes = qobject_cast<QStandardItemModel*>(model());
  if (!nodes) return false;
  nodes->setSortRole(kSortRankRole);
  RankBelow(*nodes->invisibleRootItem(), sortProc ? sortProc : TTreeCompare(QuickTreeDefaultCompare), data);
  SortBelow(*nodes->invisibleRootItem());
  return true;
}

bool TQuickTree::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return ui::TreeView::viewportEvent(event);
  if (!showToolTip_) {
    QToolTip::hideText();
    return true;
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  const ui::TreeNode* node = NodeAt(help->pos());
  if (!node) return ui::TreeView::viewportEvent(event);
  const QRect shown = visualRect(node->index()).intersected(viewport()->rect());
  const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this);
  int needed = fontMetrics().horizontalAdvance(node->Text()) + margin;
  if (!node->data(Qt::DecorationRole).isNull()) needed += iconSize().width() + margin;
  if (needed > shown.width()) {
    QToolTip::showText(help->globalPos(), node->Text(), viewport(), shown);
    return true;
  }
  return ui::TreeView::viewportEvent(event);
}

}  // namespace wordaddin
