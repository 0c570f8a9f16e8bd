#pragma once
// The tree-file reader builds into a tree view of the window through this
// target: each node it adds is a node of the view, with its caption and
// images; expanding shows the node's children.

#include <memory>
#include <vector>

#include "engine/TreeTarget.h"

namespace ui {
class TreeNode;
class TreeView;
}  // namespace ui

namespace desktop {

class TreeViewTarget final : public engine::TreeTarget {
 public:
  explicit TreeViewTarget(ui::TreeView& tree) : tree_(tree) {}

  engine::TreeNode& AddChild(engine::TreeNode* parent, std::string_view caption, int imageIndex,
                             int selectedIndex) override;
  void SetImages(engine::TreeNode& node, int imageIndex, int selectedIndex) override;
  void Expand(engine::TreeNode& node) override;

 private:
  // The reader's handle of a node of the view; the handles live as long as
  // the target, the nodes as long as the view keeps them.
  struct Handle final : engine::TreeNode {
    explicit Handle(ui::TreeNode& node) : node(node) {}
    ui::TreeNode& node;
  };

  static ui::TreeNode& NodeOf(engine::TreeNode& handle) { return static_cast<Handle&>(handle).node; }

  ui::TreeView& tree_;
  std::vector<std::unique_ptr<Handle>> handles_;
};

}  // namespace desktop
