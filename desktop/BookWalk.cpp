#include "BookWalk.h"

#include "BookTree.h"
#include "platform/Dialogs.h"
#include "ui/NodeKind.h"
#include "ui/TreeNode.h"

namespace desktop {
namespace {

constexpr char kNoBookMessage[] = "Method Not implemented yet on unknown tree node type.";

bool IsBook(const ui::TreeNode* node) { return node && node->ImageIndex() == ui::node::kBook; }

// A book node and every book among its following siblings, in order.
bool WriteBooksFrom(const ui::TreeNode& first, const BookWriter& write) {
  for (const ui::TreeNode* node = &first; node; node = node->NextSibling()) {
    const engine::TBookInfoRec* book = IsBook(node) ? BookRecordOf(node) : nullptr;
    if (book && !write(*node, *book)) return false;
  }
  return true;
}

bool NoBook() {
  platform::MessageDlg(kNoBookMessage, platform::DialogType::Warning);
  return false;
}

}  // namespace

const ui::TreeNode* ChapterOfVerse(const ui::TreeNode* node) {
  return node && node->ImageIndex() == ui::node::kVerse && node->Parent() ? node->Parent() : node;
}

const ui::TreeNode* BookOfChapter(const ui::TreeNode* node) {
  node = ChapterOfVerse(node);
  return node && node->ImageIndex() == ui::node::kChapter && node->Parent() ? node->Parent() : node;
}

bool WriteBookOrBooksUnder(const ui::TreeNode& node, const BookWriter& write) {
  if (IsBook(&node)) {
    const engine::TBookInfoRec* book = BookRecordOf(&node);
    return book ? write(node, *book) : NoBook();
  }
  const ui::TreeNode* child = node.FirstChild();
  if (!child) return NoBook();
  if (IsBook(child)) return WriteBooksFrom(*child, write);
  for (; child; child = child->NextSibling()) {
    const ui::TreeNode* first = child->FirstChild();
    if (!IsBook(first)) return NoBook();
    if (!WriteBooksFrom(*first, write)) return false;
  }
  return true;
}

}  // namespace desktop
