// Tree files: the reader of the Help page's and the names' trees, building
// the tree of the Help page's top section and that of the file's first.
//
// Input: the text of the tree file.
//
// Properties: a tree never holds more nodes, nor nests deeper, than the
// reader's limits; a file beyond them is reported and nothing of it is
// shown, and a tree within them is shown without a message; every node is
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
#include "platform/Dialogs.h"

namespace {

struct CountedNode final : engine::TreeNode {
  CountedNode* parent = nullptr;
  int depth = 1;
  int children = 0;
};

// Keeps every node it was asked to add, and checks each call against them.
class CountingTree final : public engine::TreeTarget {
 public:
  engine::TreeNode& AddChild(engine::TreeNode* parent, std::string_view, int, int) override {
    FUZZ_CHECK(nodes_.size() < engine::TDB::MaxTreeNodes);
    auto node = std::make_unique<CountedNode>();
    node->parent = Known(parent);
    if (node->parent) {
      ++node->parent->children;
      node->depth = node->parent->depth + 1;
      FUZZ_CHECK(node->depth <= engine::TDB::MaxTreeDepth);
    } else {
      ++top_;
    }
    nodes_.push_back(std::move(node));
    return *nodes_.back();
  }
  void SetImages(engine::TreeNode& node, int, int) override { FUZZ_CHECK(Known(&node)); }
  void Expand(engine::TreeNode& node) override {
    const CountedNode* known = Known(&node);
    FUZZ_CHECK(known && known->children > 0);
  }

  int Top() const { return top_; }
  bool Empty() const { return nodes_.empty(); }

 private:
  // The node as added here; null for the top level. A node not added here fails.
  CountedNode* Known(engine::TreeNode* node) const {
    if (!node) return nullptr;
    auto* counted = dynamic_cast<CountedNode*>(node);
    FUZZ_CHECK(counted != nullptr);
    return counted;
  }

  std::vector<std::unique_ptr<CountedNode>> nodes_;
  int top_ = 0;
};

bool HasTopics(const engine::TDB& tree, std::string_view root) {
  for (const std::string& key : tree.ReadSection(root))
    if (!key.starts_with('#')) return true;
  return false;
}

void Build(const engine::TDB& tree, std::string_view root, bool expanding,
           platform::RecordingDialogService& dialogs) {
  dialogs.Clear();
  CountingTree target;
  const int added = tree.BuildTree(root, target, nullptr, expanding);
  FUZZ_CHECK(added == target.Top());
  const bool reported = !dialogs.Shown().empty();
  if (reported) FUZZ_CHECK(target.Empty());
  FUZZ_CHECK(reported == (target.Empty() && HasTopics(tree, root)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const testing_support::TempFolder folder;
  static const auto dialogs = std::make_shared<platform::RecordingDialogService>();
  static const platform::ScopedDialogService recorded(dialogs);
  const std::string file = folder.File("help.tree");
  FUZZ_CHECK(testing_support::WriteFileBytes(file, std::string(fuzz::AsText(std::span(data, size)))));

  engine::TDB tree;
  tree.Open(file);
  Build(tree, desktop::kHelpTreeRoot, true, *dialogs);
  const std::vector<std::string> sections = tree.IniFile()->ReadSections();
  if (!sections.empty()) Build(tree, sections.front(), false, *dialogs);
  return 0;
}
