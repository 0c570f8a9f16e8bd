#pragma once
// A node of a TreeView. Beside its caption it carries an image index (which is
// the node's kind, see NodeKind.h), a selected image index, a pointer-sized data
// value, and a separate link to its twin in a mirrored tree.
//
// Nodes are made, deleted and expanded through their TreeView, which runs the
// tree's handlers; the node itself only answers questions about its place.

#include <QStandardItem>
#include <QString>
#include <cstdint>
#include <memory>

namespace ui {

class TreeView;

class TreeNode final : public QStandardItem {
 public:
  static constexpr int kItemType = QStandardItem::UserType + 1;

  TreeNode(const QString& text, int image, std::intptr_t data);

  // The node an item of a TreeView is; none for another kind of item.
  static TreeNode* From(QStandardItem* item);

  int type() const override { return kItemType; }

  QString Text() const { return text(); }
  void SetText(const QString& text) { setText(text); }

  int ImageIndex() const { return image_; }
  void SetImageIndex(int image);
  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int selected);

  std::intptr_t Data() const { return data_; }
  void SetData(std::intptr_t data) { data_ = data; }

  // The twin link is apart from the data. It never dangles: once the twin is
  // deleted the link reads as none.
  TreeNode* Twin() const;
  void SetTwin(TreeNode* twin);
  void ClearTwin() { twin_.reset(); }

  TreeView* Tree() const;
  TreeNode* Parent() const { return From(parent()); }
  int Level() const;                   // 0 for a node at the top level
  int Index() const { return row(); }  // position among its siblings
  int Count() const { return rowCount(); }
  bool HasChildren() const { return rowCount() > 0; }
  bool Expanded() const;

  TreeNode* Child(int index) const { return From(child(index)); }
  TreeNode* FirstChild() const { return Child(0); }
  TreeNode* LastChild() const { return Child(rowCount() - 1); }
  TreeNode* NextSibling() const;
  TreeNode* PrevSibling() const;
  // The node after and before this one in tree order, collapsed nodes included.
  TreeNode* GetNext() const;
  TreeNode* GetPrev() const;

  // The node's picture comes from its tree's image list when the view asks.
  QVariant data(int role) const override;

 protected:
  // Deleting a node goes through TreeView::Delete, so that the tree's change
  // handler runs once the node is gone rather than in the middle of its removal.
  ~TreeNode() override = default;

 private:
  TreeNode* Sibling(int offset) const;
  std::weak_ptr<TreeNode* const> Handle() const;

  int image_ = -1;
  int selected_ = -1;
  std::intptr_t data_ = 0;
  std::weak_ptr<TreeNode* const> twin_;
  // Made when another node first links to this one; dies with the node.
  mutable std::shared_ptr<TreeNode* const> handle_;
};

}  // namespace ui
