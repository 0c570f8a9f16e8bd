#pragma once
// The tree view of the add-in's search results: a switch for tool tips and a
// sort that reaches every level.

#include <cstdint>
#include <functional>

#include "ui/TreeView.h"

namespace wordaddin {

// Compares two nodes: below 0 when the first comes first.
using TTreeCompare = std::function<int(const ui::TreeNode& node1, const ui::TreeNode& node2, std::intptr_t data)>;

// The nodes' texts in the user's locale order, case-sensitive; data is not used.
int QuickTreeDefaultCompare(const ui::TreeNode& node1, const ui::TreeNode& node2, std::intptr_t data);

class TQuickTree : public ui::TreeView {
  Q_OBJECT

 public:
  enum class TSortType { None, Data, Text, Both };

  explicit TQuickTree(QWidget* owner = nullptr);

  TSortType SortType() const { return sortType_; }
  // Stores a new value and re-sorts when it sorts by text, or by data with a compare handler.
  void SetSortType(TSortType value);

  bool ShowToolTip() const { return showToolTip_; }
  void SetShowToolTip(bool value) { showToolTip_ = value; }

  // The tree's compare handler; its presence lets sorting by data re-sort.
  void SetOnCompare(TTreeCompare handler) { onCompare_ = std::move(handler); }

  // Removes every node inside one update bracket.
  void Clear();
  // Sorts every level by the default compare.
  void Resort();
  // Sorts the top level, then the children of every node, with sortProc (the
  // default compare when empty). Returns whether the top level was sorted.
  // The nodes keep their selection, and no change handler runs.
  bool CustomSort(const TTreeCompare& sortProc, std::intptr_t data);

 protected:
  // Drops the tool-tip request unless ShowToolTip; with it, a node whose text does
  // not fit shows its whole text.
  bool viewportEvent(QEvent* event) override;

 private:
  TSortType sortType_ = TSortType::None;
  bool showToolTip_ = false;
  TTreeCompare onCompare_;
};

}  // namespace wordaddin
