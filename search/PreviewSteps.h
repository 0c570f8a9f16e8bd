#pragma once
// Stepping through a result tree (root, books, chapters, verses) one node at
// a time, as the preview's ">>" and "<<" buttons do. Forward from a verse
// visits the following verse, then the next chapter node and its first
// verse, and so on; past the end it wraps to the first visible node.
// Backward runs the other way through the verses, from the first visible
// node to the last verse of the last chapter of the last book.

namespace ui {
class TreeNode;
}

namespace search {

// The node after selected (none, or a top-level node: the first child of the
// first visible node, or that node itself when it has none).
ui::TreeNode* NextPreviewNode(ui::TreeNode* selected, ui::TreeNode* firstVisible);
// The node before selected (none, or a top-level node: the last verse below
// the first visible node, or the deepest node reached on the way there).
ui::TreeNode* PreviousPreviewNode(ui::TreeNode* selected, ui::TreeNode* firstVisible);

}  // namespace search
