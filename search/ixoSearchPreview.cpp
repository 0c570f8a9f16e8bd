// TInterfaceForm: the preview of the selected result node, and stepping
// through the result tree.

#include <QListWidget>
#include <QLabel>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>

#include "search/PreviewSteps.h"
#include "search/VersePreview.h"
#include "search/ixoSearch.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"

namespace search {
namespace {

constexpr int NodeRole = Qt::UserRole;

// The number of a chapter node: its caption after "Chapter ".
QString ChapterNumber(const ui::TreeNode* chapter) { return chapter ? chapter->Text().mid(8) : QString(); }
QString Caption(const ui::TreeNode* node) { return node ? node->Text() : QString(); }

// The tree node a preview entry stands for; none once that node is gone.
ui::TreeNode* NodeOfEntry(const QListWidgetItem& entry) {
  const QPersistentModelIndex index = entry.data(NodeRole).value<QPersistentModelIndex>();
  const auto* model = qobject_cast<const QStandardItemModel*>(index.model());
  return index.isValid() && model ? ui::TreeNode::From(model->itemFromIndex(index)) : nullptr;
}

}  // namespace

void TInterfaceForm::TreeViewSearchChange(ui::TreeNode* node) {
  if (!node) return;
  if (node->ImageIndex() >= ui::node::kVerse)
    ShowVerseInPreview(node);
  else
    ShowChildrenInPreview(node);
  ButtonSelect->setEnabled(TreeViewSearch->Selected() != nullptr);
}

void TInterfaceForm::ShowChildrenInPreview(ui::TreeNode* node) {
  PreviewTextView->hide();
  PreviewListView->show();
  PreviewListView->setUpdatesEnabled(false);
  PreviewListView->clear();

  // The header keeps its white text: the button-text colour would not show on its black.
  const QString chapter = ChapterNumber(node);
  switch (node->ImageIndex()) {
    case ui::node::kBook:
      PreviewHeader->setText(node->Text());
      break;
    case ui::node::kChapter:
      PreviewHeader->setText(Caption(node->Parent()) + QStringLiteral(" ") + chapter);
      break;
    default:
      PreviewHeader->setText(Caption(TreeViewSearch->TopNode()));
  }
  for (int i = 0; i < node->Count(); ++i) {
    ui::TreeNode* child = node->Child(i);
    const bool verse = child->ImageIndex() == ui::node::kVerse;
    auto* entry = new QListWidgetItem(ImageListBlue.Icon(child->ImageIndex()),
                                      verse ? chapter + QStringLiteral(":") + child->Text() : child->Text());
    entry->setData(NodeRole, QVariant::fromValue(QPersistentModelIndex(child->index())));
    PreviewListView->addItem(entry);
  }
  PreviewListView->setUpdatesEnabled(true);
}

void TInterfaceForm::ShowVerseInPreview(ui::TreeNode* node) {
  PreviewListView->hide();
  PreviewTextView->show();
  const ui::TreeNode* chapterNode = node->Parent();
  const int chapter = ChapterNumber(chapterNode).toInt();
  const int verse = node->Text().toInt();
  const QString book = Caption(chapterNode ? chapterNode->Parent() : nullptr);
  PreviewHeader->setText(book + QStringLiteral(" ") + QString::number(chapter) + QStringLiteral(":") +
                         QString::number(verse));
  writePreviewText(book.toStdString(), chapter, verse);
}

void TInterfaceForm::writePreviewText(const std::string& bookName, int chapter, int verse) {
  if (const std::optional<std::string> text = VersePreviewText(bookName, chapter, verse, Text()))
    PreviewTextView->setPlainText(QString::fromStdString(*text));
}

ui::TreeNode* TInterfaceForm::SelectedPreviewNode() const {
  const QList<QListWidgetItem*> selected = PreviewListView->selectedItems();
  return selected.isEmpty() ? nullptr : NodeOfEntry(*selected.first());
}

void TInterfaceForm::PreviewListViewClick() {
  if (ui::TreeNode* node = SelectedPreviewNode()) TreeViewSearch->Select(node);
}

void TInterfaceForm::ButtonNextPreviewClick(QObject* sender) {
  ui::TreeNode* selected = TreeViewSearch->Selected();
  ui::TreeNode* firstVisible = TreeViewSearch->TopNode();
  ui::TreeNode* next = sender == VerseNext ? NextPreviewNode(selected, firstVisible)
                                           : PreviousPreviewNode(selected, firstVisible);
  if (next) TreeViewSearch->Select(next);
  TreeViewSearch->setFocus();
}

void TInterfaceForm::ButtonSelectClick() {
  const ui::TreeNode* node = TreeViewSearch->Selected();
  if (!node) node = TreeViewSearch->TopNode();
  if (node && node->ImageIndex() == ui::node::kVerse) close();
}

}  // namespace search
