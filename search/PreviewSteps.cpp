#include "PreviewSteps.h"

#include "ui/TreeNode.h"

namespace search {
namespace {

constexpr int VerseLevel = 3;

// Follows the last children down from node, at most levels deep.
ui::TreeNode* LastDescendant(ui::TreeNode* node, int levels) {
  for (; node && levels > 0 && node->HasChildren(); --levels) node = node->LastChild();
  return node;
}

// Before a chapter: the last verse of the previous chapter, else of the last
// chapter of the previous book, else atStart.
ui::TreeNode* BeforeChapter(ui::TreeNode* chapter, ui::TreeNode* atStart) {
  if (ui::TreeNode* previous = chapter->PrevSibling()) return LastDescendant(previous, 1);
  if (ui::TreeNode* book = chapter->Parent())
    if (ui::TreeNode* previousBook = book->PrevSibling()) return LastDescendant(previousBook, 2);
  return atStart;
}

}  // namespace

ui::TreeNode* NextPreviewNode(ui::TreeNode* selected, ui::TreeNode* firstVisible) {
  if (!selected || selected->Level() == 0) {
    if (!firstVisible) return nullptr;
    return firstVisible->HasChildren() ? firstVisible->FirstChild() : firstVisible;
  }
  if (selected->HasChildren()) return selected->FirstChild();
  // The next sibling of the node, its parent or its grandparent.
  ui::TreeNode* node = selected;
  for (int up = 0; up < VerseLevel && node; ++up, node = node->Parent())
    if (ui::TreeNode* next = node->NextSibling()) return next;
  return firstVisible;
}

ui::TreeNode* PreviousPreviewNode(ui::TreeNode* selected, ui::TreeNode* firstVisible) {
  if (!selected || selected->Level() == 0) return LastDescendant(firstVisible, VerseLevel);
  switch (selected->Level()) {
    case 1:
      return selected->Parent();
    case 2:
      return BeforeChapter(selected, selected->Parent());
    default:
      if (ui::TreeNode* previous = selected->PrevSibling()) return previous;
      return BeforeChapter(selected->Parent(), selected->Parent());
  }
}

}  // namespace search
