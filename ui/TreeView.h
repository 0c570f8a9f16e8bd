#pragma once
// A tree view with the behaviour the forms rely on:
// - nodes carry a kind (image index), a selected image, data and a twin link
//   (TreeNode);
// - lazy children: a placeholder child makes a node expandable, and OnExpanding
//   runs before every expansion, by the user or by code, and may refuse it;
// - OnChange runs whenever the selected node changes, also when code selects a
//   node or deletes the selected one; OnChanging runs before and may refuse;
// - automatic expansion of the selected node, selection on right click, an
//   optional popup menu, hot tracking; no expand buttons and no lines;
// - captions shown whole, never elided: a caption wider than the tree gives a
//   horizontal scroll bar, and each node's caption is its tool tip.
//
// Handlers may reassign any handler, themselves included, while they run.

#include <QTreeView>
#include <cstdint>
#include <functional>

#include "ImageList.h"
#include "TreeNode.h"

class QMenu;
class QStandardItemModel;

namespace ui {

class TreeView : public QTreeView {
  Q_OBJECT

 public:
  explicit TreeView(QWidget* parent = nullptr);

  // After the selected node changed; none when nothing is selected any more.
  std::function<void(TreeNode* node)> OnChange;
  // Before the selection moves to node; false keeps the current selection.
  std::function<bool(TreeNode* node)> OnChanging;
  // Before node expands; false refuses the expansion. The handler typically
  // replaces a placeholder child by the real children.
  std::function<bool(TreeNode* node)> OnExpanding;
  // After node expanded.
  std::function<void(TreeNode* node)> OnExpanded;

  // A new last child of parent (the top level when parent is none), with both
  // its image and selected image set to image.
  TreeNode* Add(TreeNode* parent, const QString& text, int image = -1, std::intptr_t data = 0);
  // A new sibling in front of before (a new last top-level node when before is none).
  TreeNode* Insert(TreeNode* before, const QString& text, int image = -1, std::intptr_t data = 0);
  void Delete(TreeNode* node);
  void DeleteChildren(TreeNode* node);
  void Clear();

  bool IsEmpty() const;
  int NodeCount() const;  // every node, collapsed ones included
  TreeNode* FirstNode() const;
  TreeNode* TopNode() const;  // the first node shown at the top of the view
  TreeNode* NodeAt(const QPoint& viewportPosition) const;
  // The first node in tree order whose caption is caption.
  TreeNode* FindByCaption(const QString& caption,
                          Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive) const;

  TreeNode* Selected() const { return NodeOf(currentIndex()); }
  // Selects node (none clears the selection) as a click would: OnChanging may
  // refuse, OnChange runs. A node under collapsed ancestors is then brought
  // into view: they expand (OnExpanding runs for each). Returns whether node
  // is now the selected node.
  bool Select(TreeNode* node);

  // Expands node after OnExpanding allowed it. False when the handler refused,
  // when node has no children (also after the handler) or is expanded already.
  bool Expand(TreeNode* node);
  void Collapse(TreeNode* node);

  void SetImages(const ImageList& images);
  const ImageList& Images() const { return images_; }

  // Hot tracking: the row under the mouse pointer is highlighted.
  void SetHotTrack(bool on);

  void SetAutoExpand(bool on) { autoExpand_ = on; }
  bool AutoExpand() const { return autoExpand_; }
  void SetRightClickSelect(bool on) { rightClickSelect_ = on; }
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
  QMenu* PopupMenu() const { return popupMenu_; }

  // Holds the drawing of the tree while many nodes are added or deleted.
  class UpdateGuard {
   public:
    explicit UpdateGuard(TreeView& tree);
    ~UpdateGuard();
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

   private:
    TreeView& tree_;
  };

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  int sizeHintForColumn(int column) const override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

 private:
  // Counts nested deletions: while one runs, a change of the selected node is
  // noted and reported once the deletion is over.
  class DeletionScope;

  TreeNode* NodeOf(const QModelIndex& index) const;
  bool Owns(const TreeNode* node) const { return node && node->Tree() == this; }
  bool AllowsChangeTo(const QModelIndex& index);
  void CurrentChanged(const QModelIndex& current);
  void RunChange(TreeNode* node);
  void ToggleExpansion(TreeNode* node);
  void Reveal(TreeNode* node);
  // Moves the hot-tracking highlight to the row of index (none: no row).
  void SetHotIndex(const QModelIndex& index);

  QStandardItemModel* model_;
  ImageList images_;
  bool hotTrack_ = false;
  QPersistentModelIndex hotIndex_;
  bool autoExpand_ = false;
  bool rightClickSelect_ = false;
  QMenu* popupMenu_ = nullptr;
  int deletions_ = 0;
  bool changeDuringDeletion_ = false;
  int updateHolds_ = 0;
};

}  // namespace ui
