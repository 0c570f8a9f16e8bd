#include "TreeView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <algorithm>
#include <utility>
#include <vector>

namespace ui {
namespace {

// Asks the tree before the current node moves, and keeps the selection on the
// current node: a click whose move was refused selects nothing either.
class GuardedSelectionModel final : public QItemSelectionModel {
 public:
  GuardedSelectionModel(QAbstractItemModel* model, QObject* parent,
                        std::function<bool(const QModelIndex&)> allows)
      : QItemSelectionModel(model, parent), allows_(std::move(allows)) {}

  void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
    if (index != currentIndex() && !allows_(index)) return;
    QItemSelectionModel::setCurrentIndex(index, command);
  }

  using QItemSelectionModel::select;
  void select(const QItemSelection& selection, SelectionFlags command) override {
    const bool selects = command & (Select | Toggle);
    if (selects && !selection.isEmpty() && !selection.contains(currentIndex())) return;
    QItemSelectionModel::select(selection, command);
  }

 private:
  std::function<bool(const QModelIndex&)> allows_;
};

QStandardItem* ParentItem(QStandardItemModel& model, TreeNode* node) {
  QStandardItem* parent = node->parent();
  return parent ? parent : model.invisibleRootItem();
}

bool IsWithin(QModelIndex index, const QModelIndex& ancestor) {
  for (; index.isValid(); index = index.parent()) {
    if (index == ancestor) return true;
  }
  return false;
}

// Where the selection goes when node goes: its next sibling, else its parent,
// else its previous sibling.
QModelIndex Neighbour(const TreeNode* node) {
  if (const TreeNode* next = node->NextSibling()) return next->index();
  if (const TreeNode* parent = node->Parent()) return parent->index();
  if (const TreeNode* previous = node->PrevSibling()) return previous->index();
  return {};
}

}  // namespace

// Runs one deletion and reports a change of the selected node once the nodes are
// gone. When the selected node goes, the fallback (a neighbour of the deleted
// node, or its parent) becomes the selected one: the view would move it
// elsewhere, or nowhere when an ancestor is deleted.
class TreeView::DeletionScope {
 public:
  DeletionScope(TreeView& tree, const QModelIndex& fallback)
      : tree_(tree), before_(tree.currentIndex()), hadCurrent_(before_.isValid()), fallback_(fallback) {
    ++tree_.deletions_;
  }

  ~DeletionScope() {
    if (tree_.deletions_ == 1) Settle();
    if (--tree_.deletions_ > 0 || !std::exchange(tree_.changeDuringDeletion_, false)) return;
    const QModelIndex current = tree_.currentIndex();
    if (current.isValid()) tree_.selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    tree_.RunChange(tree_.Selected());
  }

  DeletionScope(const DeletionScope&) = delete;
  DeletionScope& operator=(const DeletionScope&) = delete;

 private:
  void Settle() {
    if (!hadCurrent_ || before_.isValid()) return;  // the current node survived
    tree_.changeDuringDeletion_ = true;
    if (fallback_.isValid())
      tree_.selectionModel()->setCurrentIndex(fallback_, QItemSelectionModel::ClearAndSelect);
  }

  TreeView& tree_;
  QPersistentModelIndex before_;
  bool hadCurrent_;
  QPersistentModelIndex fallback_;
};

TreeView::TreeView(QWidget* parent) : QTreeView(parent), model_(new QStandardItemModel(this)) {
  setModel(model_);
  setHeaderHidden(true);
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  // Every expansion goes through Expand, so that OnExpanding runs first.
  setItemsExpandable(false);
  setExpandsOnDoubleClick(false);
  setRootIsDecorated(false);
  // The one column is as wide as its widest caption shown, and at least as
  // wide as the view, so that a long caption scrolls rather than being cut off.
  setTextElideMode(Qt::ElideNone);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  QItemSelectionModel* original = selectionModel();
  auto* guarded = new GuardedSelectionModel(
      model_, this, [this](const QModelIndex& index) { return AllowsChangeTo(index); });
  setSelectionModel(guarded);
  delete original;
  connect(guarded, &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { CurrentChanged(current); });
}

TreeNode* TreeView::NodeOf(const QModelIndex& index) const {
  return TreeNode::From(model_->itemFromIndex(index));
}

TreeNode* TreeView::Add(TreeNode* parent, const QString& text, int image, std::intptr_t data) {
  auto* node = new TreeNode(text, image, data);
  if (Owns(parent))
    parent->appendRow(node);
  else
    model_->appendRow(node);
  return node;
}

TreeNode* TreeView::Insert(TreeNode* before, const QString& text, int image, std::intptr_t data) {
  if (!Owns(before)) return Add(nullptr, text, image, data);
  auto* node = new TreeNode(text, image, data);
  ParentItem(*model_, before)->insertRow(before->row(), node);
  return node;
}

void TreeView::Delete(TreeNode* node) {
  if (!Owns(node)) return;
  DeletionScope scope(*this, IsWithin(currentIndex(), node->index()) ? Neighbour(node) : QModelIndex());
  ParentItem(*model_, node)->removeRow(node->row());
}

void TreeView::DeleteChildren(TreeNode* node) {
  if (!Owns(node) || !node->HasChildren()) return;
  DeletionScope scope(*this, node->index());
  node->removeRows(0, node->rowCount());
}

void TreeView::Clear() {
  if (IsEmpty()) return;
  DeletionScope scope(*this, QModelIndex());
  model_->removeRows(0, model_->rowCount());
}

bool TreeView::IsEmpty() const { return model_->rowCount() == 0; }

TreeNode* TreeView::FirstNode() const { return TreeNode::From(model_->item(0)); }

int TreeView::NodeCount() const {
  int count = 0;
  for (const TreeNode* node = FirstNode(); node; node = node->GetNext()) ++count;
  return count;
}

TreeNode* TreeView::TopNode() const {
  if (TreeNode* top = NodeAt(QPoint(0, 0))) return top;
  return FirstNode();
}

TreeNode* TreeView::NodeAt(const QPoint& viewportPosition) const { return NodeOf(indexAt(viewportPosition)); }

TreeNode* TreeView::FindByCaption(const QString& caption, Qt::CaseSensitivity sensitivity) const {
  for (TreeNode* node = FirstNode(); node; node = node->GetNext()) {
    if (node->Text().compare(caption, sensitivity) == 0) return node;
  }
  return nullptr;
}

bool TreeView::Select(TreeNode* node) {
  if (node && !Owns(node)) return false;
  if (!node) {
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    return !Selected();
  }
  const QPersistentModelIndex wanted(node->index());
  setCurrentIndex(wanted);
  // A node selected under collapsed ancestors is brought into view, unless the
  // change handler has moved the selection on.
  if (Selected() == node) Reveal(node);
  return wanted.isValid() && Selected() == node;
}

void TreeView::Reveal(TreeNode* node) {
  std::vector<QPersistentModelIndex> closed;
  for (TreeNode* ancestor = node->Parent(); ancestor; ancestor = ancestor->Parent())
    if (!ancestor->Expanded()) closed.emplace_back(ancestor->index());
  // From the top down; an expansion handler may replace the children of the
  // node it opens, the selected node included.
  const QPersistentModelIndex wanted(node->index());
  for (auto ancestor = closed.rbegin(); ancestor != closed.rend(); ++ancestor)
    if (ancestor->isValid()) Expand(NodeOf(*ancestor));
  // As the view does for the current node: scrolled to while it is shown.
  if (wanted.isValid() && isVisible()) scrollTo(wanted);
}

bool TreeView::Expand(TreeNode* node) {
  if (!Owns(node) || node->Expanded() || !node->HasChildren()) return false;
  if (const auto expanding = OnExpanding; expanding && !expanding(node)) return false;
  if (!node->HasChildren() || node->Expanded()) return false;
  expand(node->index());
  if (const auto expanded = OnExpanded) expanded(node);
  return true;
}

void TreeView::Collapse(TreeNode* node) {
  if (Owns(node)) collapse(node->index());
}

void TreeView::SetImages(const ImageList& images) {
  images_ = images;
  setIconSize(images_.Size());
  scheduleDelayedItemsLayout();
  viewport()->update();
}

bool TreeView::AllowsChangeTo(const QModelIndex& index) {
  const auto changing = OnChanging;
  if (!changing || deletions_ > 0) return true;
  return changing(NodeOf(index));
}

void TreeView::CurrentChanged(const QModelIndex& current) {
  if (deletions_ > 0) {
    changeDuringDeletion_ = true;
    return;
  }
  RunChange(NodeOf(current));
}

void TreeView::RunChange(TreeNode* node) {
  if (const auto change = OnChange) change(node);
  // The handler may have moved the selection on; only the node still selected expands.
  if (autoExpand_ && node && node == Selected()) Expand(node);
}

void TreeView::ToggleExpansion(TreeNode* node) {
  if (node->Expanded())
    Collapse(node);
  else
    Expand(node);
}

void TreeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && !rightClickSelect_) {
    event->accept();
    return;
  }
  QTreeView::mousePressEvent(event);
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  if (TreeNode* node = NodeAt(event->position().toPoint())) ToggleExpansion(node);
}

void TreeView::keyPressEvent(QKeyEvent* event) {
  TreeNode* node = Selected();
  if (node) {
    const int key = event->key();
    const bool opens = key == Qt::Key_Plus || key == Qt::Key_Right;
    const bool closes = key == Qt::Key_Minus || key == Qt::Key_Left;
    if (opens && node->HasChildren()) {
      if (!node->Expanded())
        Expand(node);
      else if (key == Qt::Key_Right)
        Select(node->FirstChild());
      event->accept();
      return;
    }
    if (closes && (node->Expanded() || (key == Qt::Key_Left && node->Parent()))) {
      if (node->Expanded())
        Collapse(node);
      else
        Select(node->Parent());
      event->accept();
      return;
    }
  }
  QTreeView::keyPressEvent(event);
}

void TreeView::contextMenuEvent(QContextMenuEvent* event) {
  if (!popupMenu_) {
    QTreeView::contextMenuEvent(event);
    return;
  }
  popupMenu_->popup(event->globalPos());
  event->accept();
}

int TreeView::sizeHintForColumn(int column) const {
  // At least as wide as the view, so that a row is highlighted across it.
  return std::max(QTreeView::sizeHintForColumn(column), viewport()->width());
}

void TreeView::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  header()->resizeSections(QHeaderView::ResizeToContents);
}

void TreeView::SetHotTrack(bool on) {
  hotTrack_ = on;
  setMouseTracking(on);
  if (!on) SetHotIndex({});
}

void TreeView::SetHotIndex(const QModelIndex& index) {
  if (index == hotIndex_) return;
  const QModelIndex old = hotIndex_;
  hotIndex_ = index;
  const QRect rows = visualRect(old).united(visualRect(index));
  viewport()->update(QRect(0, rows.top(), viewport()->width(), rows.height()));
}

void TreeView::mouseMoveEvent(QMouseEvent* event) {
  if (hotTrack_) SetHotIndex(indexAt(event->position().toPoint()));
  QTreeView::mouseMoveEvent(event);
}

void TreeView::leaveEvent(QEvent* event) {
  SetHotIndex({});
  QTreeView::leaveEvent(event);
}

void TreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  // The hot row is tinted with the selection's colour; a selected row is
  // drawn over it in full.
  if (hotTrack_ && index == hotIndex_) {
    QColor hot = palette().color(QPalette::Active, QPalette::Highlight);
    hot.setAlpha(128);
    painter->fillRect(QRect(0, option.rect.top(), viewport()->width(), option.rect.height()), hot);
  }
  QTreeView::drawRow(painter, option, index);
}

void TreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
  // No buttons and no lines; a selected row is highlighted over its whole width.
  if (selectionModel()->isSelected(index)) {
    const auto group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    painter->fillRect(rect, palette().brush(group, QPalette::Highlight));
  }
}

TreeView::UpdateGuard::UpdateGuard(TreeView& tree) : tree_(tree) {
  if (tree_.updateHolds_++ == 0) tree_.setUpdatesEnabled(false);
}

TreeView::UpdateGuard::~UpdateGuard() {
  if (--tree_.updateHolds_ == 0) tree_.setUpdatesEnabled(true);
}

}  // namespace ui
