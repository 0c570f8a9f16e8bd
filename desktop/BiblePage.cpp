// The Bible page of the main window: the book tree with its lazy chapters,
// the navigation from a book, chapter or verse node to its chapter page, the
// window caption and book label, and the previous and next buttons.

#include <QLabel>

#include "BookTree.h"
#include "PageTable.h"
#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

constexpr int kLastOldTestamentBook = 39;

std::intptr_t DataOf(const engine::TBookInfoRec& book) { return reinterpret_cast<std::intptr_t>(&book); }

// Sets a flag for the life of the guard.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

// The chapter a book node's label names: that of its first child when that
// is a chapter node ("Chapter 66" in a result tree), else chapter 1.
int FirstChapterOf(const ui::TreeNode& bookNode) {
  const ui::TreeNode* first = bookNode.FirstChild();
  const int chapter = first && first->ImageIndex() == ui::node::kChapter ? ChapterNumberOf(first->Text()) : 0;
  return chapter ? chapter : 1;
}

}  // namespace

void TIxoBibleMainForm::pageIxoEnter() {
  const engine::TixoEngine& text = engine::Engine();
  // Without the text there are no books to list.
  if (!TreeIxo->IsEmpty() || !text.Loaded) return;
  bookTreeBuild_.emplace();
  FOldTestamentNode = AddTreeNode(*TreeIxo, nullptr, 0, ui::node::kResultRoot, "Old Testament");
  FNewTestamentNode = AddTreeNode(*TreeIxo, nullptr, 0, ui::node::kResultRoot, "New Testament");
  AddBookNodesFrom(1);
}

void TIxoBibleMainForm::AddBookNodesFrom(int book) {
  ui::TreeNode* testament = book <= kLastOldTestamentBook ? FOldTestamentNode : FNewTestamentNode;
  AddBookNode(*TreeIxo, testament, engine::Engine().BookInfo[book]);
  if (book < engine::TixoEngine::Books) {
    // The waiting events run before the next book; a form that is gone drops the call.
    QMetaObject::invokeMethod(this, [this, book] { AddBookNodesFrom(book + 1); }, Qt::QueuedConnection);
    return;
  }
  const bool showWaiting = bookTreeBuild_->showWaiting;
  bookTreeBuild_.reset();
  if (showWaiting) FormShow();
}

ui::TreeNode* TIxoBibleMainForm::AddTreeNode(ui::TreeView& tree, ui::TreeNode* parent, std::intptr_t data,
                                             int imageIndex, const QString& text) {
  return tree.Add(parent, text, imageIndex, data);
}

void TIxoBibleMainForm::AddBookNode(ui::TreeView& tree, ui::TreeNode* parent, const engine::TBookInfoRec& book) {
  const QString caption = BookCaption(engine::Engine().BookNames[book.Ordinal + 1]);
  ui::TreeNode* node = AddTreeNode(tree, parent, DataOf(book), ui::node::kBook, caption);
  AddTreeNode(tree, node, DataOf(book), ui::node::kChapter, "Chapter 1");
}

void TIxoBibleMainForm::chapterTree(ui::TreeView& tree, ui::TreeNode* bookNode) {
  const engine::TBookInfoRec* book = BookRecordOf(bookNode);
  if (!book || bookNode->Count() >= 2) return;
  ui::TreeView::UpdateGuard hold(tree);
  for (int chapter = 2; chapter <= book->ChapterCount; ++chapter)
    AddTreeNode(tree, bookNode, DataOf(*book), ui::node::kChapter, "Chapter " + QString::number(chapter));
}

bool TIxoBibleMainForm::treeIxoExpanding(ui::TreeNode* node) {
  TreeIxo->SetAutoExpand(false);
  if (node && node->ImageIndex() == ui::node::kBook) chapterTree(*TreeIxo, node);
  return true;
}

void TIxoBibleMainForm::TreeIxoExpanded(ui::TreeNode*) { TreeIxo->SetAutoExpand(false); }

void TIxoBibleMainForm::treeIxoChange(QObject* sender, ui::TreeNode* node) {
  const engine::TixoEngine& text = engine::Engine();
  if (!node || !setUp_ || !text.Loaded) return;
  FUrl.clear();
  if (node->ImageIndex() == ui::node::kBook || !node->Parent()) node->Tree()->SetAutoExpand(true);

  // Book, chapter and verse are 1 unless the node gives them. A node whose
  // parents or data do not have the shape of its kind is ignored.
  int chapter = 1;
  int verse = 1;
  const engine::TBookInfoRec* book = nullptr;
  switch (node->ImageIndex()) {
    case ui::node::kChapter:
      chapter = ChapterNumberOf(node->Text());
      book = BookRecordOf(node->Parent());
      if (!chapter || !book) return;
      break;
    case ui::node::kVerse: {
      const ui::TreeNode* chapterNode = node->Parent();
      verse = VerseNumberOf(node->Text());
      chapter = chapterNode ? ChapterNumberOf(chapterNode->Text()) : 0;
      book = chapterNode ? BookRecordOf(chapterNode->Parent()) : nullptr;
      if (!verse || !chapter || !book) return;
      break;
    }
    case ui::node::kBook:
      book = BookRecordOf(node);
      if (!book) return;
      chapter = FirstChapterOf(*node);
      break;
    default: {
      // "Review ..." nodes only bring the title up to date.
      if (node->Text().startsWith("Review")) {
        UpdateTitle();
        return;
      }
      // A root stands for its first book, as the label names it (the
      // testaments, a result root); a root without books shows the first
      // chapter of Genesis.
      const ui::TreeNode* first = node->FirstChild();
      if (node->Parent() || !first || first->ImageIndex() != ui::node::kBook) break;
      book = BookRecordOf(first);
      if (!book) return;
      chapter = FirstChapterOf(*first);
    }
  }
  FUrl = ChapterPageAddress(text.HtmlDir, book ? book->Ordinal + 1 : 1, chapter, verse);
  UpdateTitle();
  GoToURL(sender, 0);
}

void TIxoBibleMainForm::UpdateTitle() {
  if (FTitleBusy) return;
  FlagGuard busy(FTitleBusy);
  LabelBook->clear();

  const PageDescriptor* active = PageOf(0);
  const PageDescriptor& page = active ? *active : BiblePage();
  QString shortName = page.label;
  const ui::TreeView* tree = page.selectionNamesPlace ? this->*page.tree : nullptr;
  const ui::TreeNode* node = tree ? tree->Selected() : nullptr;
  if (node) {
    QString location;
    if (node->ImageIndex() == ui::node::kVerse) {
      location = node->Text();
      node = node->Parent();
    }
    if (node && node->ImageIndex() == ui::node::kChapter) {
      const QString chapter = ChapterText(node->Text());
      location = location.isEmpty() ? chapter : chapter + ":" + location;
      node = node->Parent();
    }
    if (node && !node->Parent()) node = node->FirstChild();
    if (node && node->ImageIndex() == ui::node::kBook) {
      shortName = node->Text();
      const ui::TreeNode* first = node->FirstChild();
      if (!location.isEmpty())
        shortName += " " + location;
      else if (first && first->ImageIndex() == ui::node::kChapter)
        shortName += first->Text().mid(7);  // " 1" of "Chapter 1"
    }
  }
  LabelBook->setText(BookLabel(shortName));
  setWindowTitle(QString(" Ixo Bible - ") + page.caption);
}

void TIxoBibleMainForm::ButtonBookPrevProc(Qt::MouseButton button) { StepSelection(false, button); }

void TIxoBibleMainForm::ButtonBookNextProc(Qt::MouseButton button) { StepSelection(true, button); }

void TIxoBibleMainForm::StepSelection(bool forward, Qt::MouseButton button) {
  // A page without a tree steps on the Bible page.
  const PageDescriptor* page = PageOf(0);
  if (!page || !page->tree) {
    page = &BiblePage();
    Mode->SetActivePage(this->*page->page);
  }
  ui::TreeView* tree = this->*page->tree;
  const bool siblings = page->stepsSiblings || button == Qt::RightButton;

  if (!tree->Selected() && !tree->IsEmpty()) tree->Select(tree->FirstNode());
  const ui::TreeNode* node = tree->Selected();
  if (!node) return;
  ui::TreeNode* target = nullptr;
  if (forward)
    target = siblings && node->NextSibling() ? node->NextSibling() : node->GetNext();
  else
    target = siblings && node->PrevSibling() ? node->PrevSibling() : node->GetPrev();
  if (target) tree->Select(target);
}

}  // namespace desktop
