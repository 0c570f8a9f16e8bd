#pragma once
// How the publish menu finds the books to write under a node of the Bible
// tree or the Search page's result tree.

#include <functional>

namespace engine {
struct TBookInfoRec;
}
namespace ui {
class TreeNode;
}

namespace desktop {

// Writes one book; false when it failed (it has said why), which ends the run.
using BookWriter = std::function<bool(const ui::TreeNode& bookNode, const engine::TBookInfoRec& book)>;

// A verse node's chapter; any other node itself.
const ui::TreeNode* ChapterOfVerse(const ui::TreeNode* node);
// A verse node's chapter's book, or a chapter node's book; any other node itself.
const ui::TreeNode* BookOfChapter(const ui::TreeNode* node);

// A book node is written; any other node (a testament, the result root, a
// root of groups of books) is walked: when its first child is a book, that
// book and its following siblings are written; otherwise each child is a
// group whose first child must be a book, and that book and its siblings are
// written, group after group. A level that holds no book where one is due
// (a node or a group without children too) is reported as a warning and ends
// the walk; books written by then stay. Siblings that are not books are
// passed over. Stops at the first book that write fails; false then, and
// after a warning.
bool WriteBookOrBooksUnder(const ui::TreeNode& node, const BookWriter& write);

}  // namespace desktop
