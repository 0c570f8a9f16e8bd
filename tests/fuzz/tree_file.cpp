// Tree files: the reader of the Help page's and the names' trees, building
// the tree of the Help page's top section and that of the file's first.
//
// Input: the text of the tree file.
//
// Properties: a tree never holds more nodes than its file has keys (each
// node is a key of a section, and a section is shown once); every node is
// added under a node already there; only nodes with children are expanded;
// the count returned is that of the nodes added at the top.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TempFolder.h"
#include "desktop/HelpTopics.h"
#include "engine/TreeTarget.h"
#include "engine/db.h"

namespace {

struct CountedNode final : engine::TreeNode {
  CountedNode* parent = nullptr;
  int children = 0;
};

// Keeps every node it was asked to add, and checks each call against them.
class CountingTree final : public engine::TreeTarget {
 public:
  explicit CountingTree(std::size_t limit) : limit_(limit) {}

  engine::TreeNode& AddChild(engine::TreeNode* parent, std::string_view, int, int) override {
    FUZZ_CHECK(nodes_.size() < limit_);
    auto node = std::make_unique<CountedNode>();
    node->parent = Known(parent);
    if (node->parent) ++node->parent->children;
    else ++top_;
    nodes_.push_back(std::move(node));
    return *nodes_.back();
  }
  void SetImages(engine::TreeNode& node, int, int) override { FUZZ_CHECK(Known(&node)); }
  void Expand(engine::TreeNode& node) override {
    const CountedNode* known = Known(&node);
    FUZZ_CHECK(known && known->children > 0);
  }

  int Top() const { return top_; }

 private:
  // The node as added here; null for the top level. A node not added here fails.
  CountedNode* Known(engine::TreeNode* node) const {
    if (!node) return nullptr;
    auto* counted = dynamic_cast<CountedNode*>(node);
    FUZZ_CHECK(counted != nullptr);
    return counted;
  }

  std::size_t limit_;
  std::vector<std::unique_ptr<CountedNode>> nodes_;
  int top_ = 0;
};

std::size_t KeyCount(const engine::TDB& tree) {
  std::size_t keys = 0;
  for (const std::string& section : tree.IniFile()->ReadSections()) keys += tree.ReadSection(section).Count();
  return keys;
}

void Build(const engine::TDB& tree, std::string_view root, std::size_t keys, bool expanding) {
  CountingTree target(keys);
  const int added = tree.BuildTree(root, target, nullptr, expanding);
  FUZZ_CHECK(added == target.Top());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const testing_support::TempFolder folder;
  const std::string file = folder.File("help.tree");
  FUZZ_CHECK(testing_support::WriteFileBytes(file, std::string(fuzz::AsText(std::span(data, size)))));

  engine::TDB tree;
  tree.Open(file);
  const std::size_t keys = KeyCount(tree);
  Build(tree, desktop::kHelpTreeRoot, keys, true);
  const std::vector<std::string> sections = tree.IniFile()->ReadSections();
  if (!sections.empty()) Build(tree, sections.front(), keys, false);
  return 0;
}
