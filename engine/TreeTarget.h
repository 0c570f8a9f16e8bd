#pragma once
// What the tree-file reader needs of a tree view: add a node with its caption
// and images under a parent (or at the top level), change a node's images, and
// expand a node. The program's tree views implement it; the engine knows no
// user interface.

#include <string_view>

namespace engine {

// A node of a TreeTarget, owned by its tree. Implementations derive their node
// type from it (or wrap theirs) and get their own nodes back in every call.
class TreeNode {
 public:
  virtual ~TreeNode() = default;
};

class TreeTarget {
 public:
  virtual ~TreeTarget() = default;
  // Adds a last child of parent, or a last top-level node when parent is null.
  virtual TreeNode& AddChild(TreeNode* parent, std::string_view caption, int imageIndex,
                             int selectedIndex) = 0;
  virtual void SetImages(TreeNode& node, int imageIndex, int selectedIndex) = 0;
  // Shows the node's children (not its descendants').
  virtual void Expand(TreeNode& node) = 0;
};

}  // namespace engine
