#include "TreeViewTarget.h"

#include <QString>

#include "ui/TreeView.h"

namespace desktop {

engine::TreeNode& TreeViewTarget::AddChild(engine::TreeNode* parent, std::string_view caption, int imageIndex,
                                           int selectedIndex) {
  const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  ui::TreeNode* node = tree_.Add(parent ? &NodeOf(*parent) : nullptr, text, imageIndex);
  node->SetSelectedIndex(selectedIndex);
  handles_.push_back(std::make_unique<Handle>(*node));
  return *handles_.back();
}

void TreeViewTarget::SetImages(engine::TreeNode& node, int imageIndex, int selectedIndex) {
  ui::TreeNode& item = NodeOf(node);
  item.SetImageIndex(imageIndex);
  item.SetSelectedIndex(selectedIndex);
}

void TreeViewTarget::Expand(engine::TreeNode& node) { tree_.Expand(&NodeOf(node)); }

}  // namespace desktop
