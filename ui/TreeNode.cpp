#include "TreeNode.h"

#include <QStandardItemModel>

#include "TreeView.h"

namespace ui {

TreeNode::TreeNode(const QString& text, int image, std::intptr_t data)
    : QStandardItem(text), image_(image), selected_(image), data_(data) {
  setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

TreeNode* TreeNode::From(QStandardItem* item) {
  return item && item->type() == kItemType ? static_cast<TreeNode*>(item) : nullptr;
}

void TreeNode::SetImageIndex(int image) {
  image_ = image;
  emitDataChanged();
}

void TreeNode::SetSelectedIndex(int selected) {
  selected_ = selected;
  emitDataChanged();
}

std::weak_ptr<TreeNode* const> TreeNode::Handle() const {
  if (!handle_) handle_ = std::make_shared<TreeNode* const>(const_cast<TreeNode*>(this));
  return handle_;
}

TreeNode* TreeNode::Twin() const {
  const auto twin = twin_.lock();
  return twin ? *twin : nullptr;
}

void TreeNode::SetTwin(TreeNode* twin) {
  if (twin)
    twin_ = twin->Handle();
  else
    twin_.reset();
}

TreeView* TreeNode::Tree() const {
  // A tree view owns the model its nodes live in.
  const QStandardItemModel* owner = model();
  return owner ? qobject_cast<TreeView*>(owner->QObject::parent()) : nullptr;
}

bool TreeNode::Expanded() const {
  const TreeView* tree = Tree();
  return tree && tree->isExpanded(index());
}

int TreeNode::Level() const {
  int level = 0;
  for (const QStandardItem* up = parent(); up; up = up->parent()) ++level;
  return level;
}

TreeNode* TreeNode::Sibling(int offset) const {
  if (QStandardItem* up = parent()) return From(up->child(row() + offset));
  if (QStandardItemModel* owner = model()) return From(owner->item(row() + offset));
  return nullptr;
}

TreeNode* TreeNode::NextSibling() const { return Sibling(1); }
TreeNode* TreeNode::PrevSibling() const { return Sibling(-1); }

TreeNode* TreeNode::GetNext() const {
  if (HasChildren()) return FirstChild();
  for (const TreeNode* node = this; node; node = node->Parent()) {
    if (TreeNode* next = node->NextSibling()) return next;
  }
  return nullptr;
}

TreeNode* TreeNode::GetPrev() const {
  TreeNode* previous = PrevSibling();
  if (!previous) return Parent();
  while (previous->HasChildren()) previous = previous->LastChild();
  return previous;
}

QVariant TreeNode::data(int role) const {
  if (role == Qt::DecorationRole) {
    const TreeView* tree = Tree();
    if (!tree) return {};
    const QIcon icon = tree->Images().Icon(image_, selected_);
    return icon.isNull() ? QVariant() : QVariant(icon);
  }
  // A caption wider than its tree can be read whole in the tool tip.
  if (role == Qt::ToolTipRole) return text();
  return QStandardItem::data(role);
}

}  // namespace ui
