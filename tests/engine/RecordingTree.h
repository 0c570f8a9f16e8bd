#pragma once
// A tree that records what the tree-file reader builds, and prints it as
// "caption(image/selected)" with "+" for an expanded node and the children in
// braces: "A(-1/-1){B(5/5)+{C(0/0)}}".

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TreeTarget.h"

namespace engine_testing {

struct RecordedNode final : engine::TreeNode {
  std::string caption;
  int image = -1;
  int selected = -1;
  bool expanded = false;
  std::vector<std::unique_ptr<RecordedNode>> children;
};

class RecordingTree final : public engine::TreeTarget {
 public:
  engine::TreeNode& AddChild(engine::TreeNode* parent, std::string_view caption, int imageIndex,
                             int selectedIndex) override {
    RecordedNode& into = parent ? static_cast<RecordedNode&>(*parent) : top_;
    auto node = std::make_unique<RecordedNode>();
    node->caption = caption;
    node->image = imageIndex;
    node->selected = selectedIndex;
    into.children.push_back(std::move(node));
    return *into.children.back();
  }
  void SetImages(engine::TreeNode& node, int imageIndex, int selectedIndex) override {
    auto& recorded = static_cast<RecordedNode&>(node);
    recorded.image = imageIndex;
    recorded.selected = selectedIndex;
  }
  void Expand(engine::TreeNode& node) override { static_cast<RecordedNode&>(node).expanded = true; }

  RecordedNode& Top() { return top_; }
  std::string Print() const { return PrintChildren(top_); }

 private:
  static std::string PrintChildren(const RecordedNode& node) {
    std::string out;
    for (const auto& child : node.children) {
      if (!out.empty()) out += ' ';
      out += child->caption + "(" + std::to_string(child->image) + "/" + std::to_string(child->selected) + ")";
      if (child->expanded) out += '+';
      if (!child->children.empty()) out += "{" + PrintChildren(*child) + "}";
    }
    return out;
  }

  RecordedNode top_;
};

}  // namespace engine_testing
