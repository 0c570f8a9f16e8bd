// The publish menu of the Bible tree and the Search page's tree: the entries
// show the options form of their format; the forms' OK buttons call back the
// writer handlers here with the run's options, and each makes the writer of
// its run and writes the books under the node the menu was opened on
// (BookWalk.h).

#include <QAction>
#include <QPushButton>

#include "BookTree.h"
#include "BookWalk.h"
#include "PublishForms.h"
#include "ixoMain.h"
#include "publish/BookDocuments.h"
#include "publish/HtmlPages.h"
#include "publish/ixoRtf.h"
#include "publish/ixoText.h"
#include "publish/ixoWp.h"
#include "ui/BusyCursor.h"
#include "ui/CheckBox.h"
#include "ui/NodeKind.h"
#include "ui/RadioButton.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

// Locks the WordPerfect form in Word-compatible mode with ".doc" chosen for
// the life of the guard; afterwards the Word-compatibility box is as it was
// (its handler gives back what the mode overrode) and both are unlocked.
class WordCompatibleMode {
 public:
  explicit WordCompatibleMode(publish::TPrintWpForm& form)
      : form_(form), wasCompatible_(form.CheckBoxWordCompatible->isChecked()) {
    form_.CheckBoxWordCompatible->setChecked(true);
    form_.buttonDotDoc->setChecked(true);
    form_.buttonDotNative->setEnabled(false);
    form_.CheckBoxWordCompatible->setEnabled(false);
  }
  ~WordCompatibleMode() {
    if (!wasCompatible_) form_.CheckBoxWordCompatible->setChecked(false);
    form_.buttonDotNative->setEnabled(true);
    form_.CheckBoxWordCompatible->setEnabled(true);
  }
  WordCompatibleMode(const WordCompatibleMode&) = delete;
  WordCompatibleMode& operator=(const WordCompatibleMode&) = delete;

 private:
  publish::TPrintWpForm& form_;
  bool wasCompatible_;
};

// Puts the WordPerfect form in print mode for the life of the guard: OK reads
// "Print", the native extension is chosen and ".doc" locked. Afterwards the
// caption and the extension are as they were.
class PrintMode {
 public:
  explicit PrintMode(publish::TPrintWpForm& form)
      : form_(form), caption_(form.ButtonOkay->text()), wasDotDoc_(form.buttonDotDoc->isChecked()) {
    form_.ButtonOkay->setText(QString::fromLatin1(publish::TFormPublishBase::PrintCaption));
    form_.buttonDotNative->setChecked(true);
    form_.buttonDotDoc->setEnabled(false);
  }
  ~PrintMode() {
    form_.ButtonOkay->setText(caption_);
    form_.buttonDotDoc->setEnabled(true);
    if (wasDotDoc_) form_.buttonDotDoc->setChecked(true);
    else form_.buttonDotNative->setChecked(true);
  }
  PrintMode(const PrintMode&) = delete;
  PrintMode& operator=(const PrintMode&) = delete;

 private:
  publish::TPrintWpForm& form_;
  QString caption_;
  bool wasDotDoc_;
};

}  // namespace

void TIxoBibleMainForm::BindPublishMenu() {
  connect(TreePopupPrintHtml, &QAction::triggered, this, [this] { TreePrintHtmlDialog(); });
  connect(TreePopupPrintText, &QAction::triggered, this, [this] { TreePrintTextDialog(); });
  connect(TreePopupRtf, &QAction::triggered, this, [this] { TreePrintRTFDialog(); });
  connect(TreePopupWp, &QAction::triggered, this, [this] { TreePrintWpDialog(); });
  connect(TreePopupMSW, &QAction::triggered, this, [this] { TreePrintMSWDialog(); });
  connect(PrintViaMicrosoftWord, &QAction::triggered, this,
          [this] { TreePopupWordBasicClick(PrintViaMicrosoftWord); });
  connect(PrintViaWordPerfect, &QAction::triggered, this, [this] { TreePopupWordBasicClick(PrintViaWordPerfect); });
}

// ---- the entries ---------------------------------------------------------------------

void TIxoBibleMainForm::TreePrintHtmlDialog() {
  if (FPublishForms) FPublishForms->printHtml.ShowModal();
}

void TIxoBibleMainForm::TreePrintTextDialog() {
  if (FPublishForms) FPublishForms->printText.ShowModal();
}

void TIxoBibleMainForm::TreePrintRTFDialog() {
  if (FPublishForms) FPublishForms->PrintRtf.ShowModal();
}

void TIxoBibleMainForm::TreePrintWpDialog() {
  if (FPublishForms) FPublishForms->PrintWp.ShowModal();
}

void TIxoBibleMainForm::TreePrintMSWDialog() {
  if (!FPublishForms) return;
  const WordCompatibleMode compatible(FPublishForms->PrintWp);
  FPublishForms->PrintWp.ShowModal();
}

void TIxoBibleMainForm::TreePopupWordBasicClick(QObject* sender) {
  if (!FPublishForms) return;
  const PrintMode printing(FPublishForms->PrintWp);
  if (sender == PrintViaWordPerfect) TreePrintWpDialog();
  else TreePrintMSWDialog();
}

// ---- the writer handlers ---------------------------------------------------------------

void TIxoBibleMainForm::TreePrintHtml(const publish::PublishOptions& options) {
  const ui::TreeView* tree = TreeForPage(0);
  const ui::TreeNode* node = ChapterOfVerse(tree ? tree->Selected() : nullptr);
  if (!node) return;
  const ui::BusyCursor busy;
  // The pages link the style sheet of the folder they go to, which a folder
  // other than the engine's own does not have yet.
  if (!WriteSearchStyleSheet(options.sink)) return;
  if (node->ImageIndex() == ui::node::kChapter) {
    if (const engine::TBookInfoRec* book = BookRecordOf(node->Parent()))
      publish::WriteChapterHtmlForNode(*book, node->Text().toStdString(), options);
    return;
  }
  WriteBookOrBooksUnder(*node, [&options](const ui::TreeNode&, const engine::TBookInfoRec& book) {
    return publish::WriteBookHtml(book, options);
  });
}

void TIxoBibleMainForm::TreePrintText(const publish::PublishOptions& options) {
  const ui::TreeView* tree = TreeForPage(0);
  const ui::TreeNode* node = BookOfChapter(tree ? tree->Selected() : nullptr);
  if (!node) return;
  const ui::BusyCursor busy;
  const publish::TprintText writer(options);
  WriteBookOrBooksUnder(*node, [&writer](const ui::TreeNode&, const engine::TBookInfoRec& book) {
    return writer.WriteBookText(book);
  });
}

void TIxoBibleMainForm::TreePrintRTF(const publish::PublishOptions& options) {
  const ui::TreeNode* node = BookOfChapter(FPopupNode);
  if (!node) return;
  const ui::BusyCursor busy;
  publish::TPrintRtf writer(options);
  WriteBookOrBooksUnder(*node, [&writer](const ui::TreeNode& bookNode, const engine::TBookInfoRec& book) {
    return publish::WriteBookRtf(writer, book, bookNode.Text().toStdString());
  });
}

void TIxoBibleMainForm::TreePrintWp(const publish::PublishOptions& options) {
  const ui::TreeNode* node = BookOfChapter(FPopupNode);
  if (!node) return;
  const ui::BusyCursor busy;
  publish::TPrintWp writer(options);
  WriteBookOrBooksUnder(*node, [&writer](const ui::TreeNode&, const engine::TBookInfoRec& book) {
    return publish::WriteBookWp(writer, book);
  });
}

}  // namespace desktop
