// The Search page of the main window: the search form mirrors its results
// into TreeSearch, the page hands the form a study and shows it, and a
// selection in the tree shows a chapter page or a word summary page.

#include <QTimer>
#include <chrono>

#include "SearchFormLink.h"
#include "ixoMain.h"
#include "search/FinishSearch.h"
#include "search/StudyFile.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

// How long the waiting events run after the page switch before the study is loaded.
constexpr auto kPagePause = std::chrono::milliseconds(3);

}  // namespace

void TIxoBibleMainForm::OpenStudyInSearchPage(const std::string& fileName) {
  if (!InterfaceForm) return;
  InterfaceForm->SetResultTree(TreeSearch);
  // Switching by code runs no page handler, so the search is not run again.
  if (Mode->ActivePage() != pageSearch) Mode->SetActivePage(pageSearch);
  InterfaceForm->LoadStudy(fileName);
}

void TIxoBibleMainForm::ShowSearchForm(const std::string& fileName, bool pump) {
  if (!pump) {
    AttachSearchPage();
    ShowSearchFormWith(fileName);
    return;
  }
  // Each step is queued behind the events waiting now; a form that is gone
  // drops it.
  QMetaObject::invokeMethod(
      this,
      [this, fileName] {
        AttachSearchPage();
        QTimer::singleShot(kPagePause, this, [this, fileName] { ShowSearchFormWith(fileName); });
      },
      Qt::QueuedConnection);
}

void TIxoBibleMainForm::AttachSearchPage() {
  if (InterfaceForm) InterfaceForm->SetResultTree(TreeSearch);
  if (Mode->ActivePage() != pageSearch) Mode->SetActivePage(pageSearch);
  // Switched by code, so that the search is not run again; the caption names
  // the page all the same.
  UpdateTitle();
}

void TIxoBibleMainForm::ShowSearchFormWith(const std::string& fileName) {
  if (!InterfaceForm) return;
  if (!fileName.empty()) InterfaceForm->LoadStudy(fileName);
  InterfaceForm->ShowForm();
  // And once more when the waiting events have run.
  QMetaObject::invokeMethod(this, [this] { InterfaceForm->ShowForm(); }, Qt::QueuedConnection);
}

void TIxoBibleMainForm::ButtonSearchClick() {
  if (TreeSearch->IsEmpty())
    ShowSearchForm(search::HistoryFolder() + search::CurrentStudyName, false);
  else
    ShowSearchForm({}, false);
}

void TIxoBibleMainForm::TreeNamesChange(QObject* sender, ui::TreeNode* node) {
  if (!node) return;
  const int kind = node->ImageIndex();
  if ((kind >= ui::node::kResultRoot && kind <= ui::node::kVerse) || node->Text() == "Review Study")
    treeIxoChange(sender, node);
  else if (kind == ui::node::kWordList)
    ShowWordSummaryPage(*node, WordSummaryVariant::Names);
  // Nodes of any other kind show nothing.
}

}  // namespace desktop
