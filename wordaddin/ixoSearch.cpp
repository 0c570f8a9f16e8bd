#include "ixoSearch.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "Guarded.h"
#include "IxoAbout.h"
#include "QuickTree.h"
#include "ixoInsertTextDialog.h"
#include "kit/Application.h"
#include "kit/KitTrayIcon.h"
#include "platform/Paths.h"
#include "search/HistoryFileName.h"
#include "search/SearchText.h"
#include "search/StudyFile.h"
#include "ui/BusyCursor.h"
#include "ui/NamedWidget.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace wordaddin {
namespace {

constexpr int kInsertFormPlace = 20;
constexpr char kStudyFolder[] = "Study";

bool IsCondition(int n) { return search::ConditionSet::IsCondition(n); }

// The caption of a chapter entry ("Chapter 3") after "Chapter ".
QString AfterChapterWord(const QString& caption) { return caption.mid(8); }

}  // namespace

TInterfaceForm::TInterfaceForm(search::SearchText& text, TFormInsert& insertForm, TFormAbout& aboutForm,
                               QWidget* parent)
    : search::TInterfaceForm(text, [](QWidget* treeParent) { return new TQuickTree(treeParent); }, parent),
      insertForm_(insertForm),
      aboutForm_(aboutForm) {
  BuildAddinComponents();
  BindAddinHandlers();
}

TInterfaceForm::~TInterfaceForm() = default;

void TInterfaceForm::BuildAddinComponents() {
  // "Select" inserts the selected verse: the add-in shows it.
  ButtonSelect->show();

  PanelButtonsLeft = ui::Named(new QWidget(PanelBottomRight), "PanelButtonsLeft");
  ButtonSaveObsolete = ui::Named(new QPushButton("Save List", PanelButtonsLeft), "ButtonSaveObsolete");
  ButtonLoadObsolete = ui::Named(new QPushButton("Load List", PanelButtonsLeft), "ButtonLoadObsolete");
  auto* obsolete = new QHBoxLayout(PanelButtonsLeft);
  obsolete->setContentsMargins(0, 0, 0, 0);
  obsolete->addWidget(ButtonSaveObsolete);
  obsolete->addWidget(ButtonLoadObsolete);
  static_cast<QBoxLayout*>(PanelBottomRight->layout())->insertWidget(0, PanelButtonsLeft);
  PanelButtonsLeft->hide();

  StatusBar1 = ui::Named(new QStatusBar(this), "StatusBar1");
  setStatusBar(StatusBar1);

  TrayPopupMenu = ui::Named(new QMenu(this), "TrayPopupMenu");
  TrayBrowse = ui::Named(TrayPopupMenu->addAction("Browse"), "TrayBrowse");
  TraySearch = ui::Named(TrayPopupMenu->addAction("Search"), "TraySearch");
  TrayClose = ui::Named(TrayPopupMenu->addAction("Close"), "TrayClose");

  // Built as the form's reader builds it: the icon appears once loaded.
  TrayIcon = new kit::TKitTrayIcon(this);
  TrayIcon->SetName("TrayIcon");
  TrayIcon->BeginLoading();
  TrayIcon->SetIcon(ImageList.Icon(ui::node::kBook));
  TrayIcon->ShowMinimizedIcon = true;
  TrayIcon->SetPopupMenu(TrayPopupMenu);
  TrayIcon->Loaded();
}

void TInterfaceForm::BindAddinHandlers() {
  connect(TraySearch, &QAction::triggered, this, [this] {
    show();
    raise();
  });
  connect(TrayClose, &QAction::triggered, this, [this] {
    kit::Application().Terminate();
    close();
  });

  // The "..." buttons and a page change open a condition page.
  for (int n = 1; n <= search::ConditionCount; ++n) {
    QToolButton* more = ConditionWidgets[n].MoreButton;
    disconnect(more, &QToolButton::clicked, this, nullptr);
    connect(more, &QToolButton::clicked, this, [this, more] { AdvancedItem(more); });
  }
  TabStudies->OnChanging = [this](int leftIndex) { TabStudiesChanging(leftIndex); };
  TabStudies->OnChange = [this] { AdvancedItem(TabStudies); };
}

// ---- inserting into the document ------------------------------------------------------------

ui::TreeNode* TInterfaceForm::ResultRoot() const {
  for (ui::TreeNode* node = TreeViewSearch->FirstNode(); node; node = node->NextSibling())
    if (node->ImageIndex() == ui::node::kResultRoot) return node;
  return nullptr;
}

void TInterfaceForm::InsertNode(const ui::TreeNode& node) {
  switch (node.ImageIndex()) {
    case ui::node::kVerse:
      InsertVerseNode(insertForm_, node);
      break;
    case ui::node::kChapter:
      InsertChapterNode(insertForm_, node);
      break;
    case ui::node::kBook:
      InsertBookNode(insertForm_, node);
      break;
    default:
      // The root, or a condition's words above it: every book of the result.
      if (const ui::TreeNode* root = ResultRoot())
        for (int i = 0; i < root->Count(); ++i) InsertBookNode(insertForm_, *root->Child(i));
  }
}

void TInterfaceForm::SaveHistoryStudy() {
  const std::string history = Text().HistoryFolder();
  if (history.empty()) return;
  SaveStudy(search::MakeHistoryFileName(history, search::StudyExtension, HistoryClock));
}

void TInterfaceForm::ButtonFinishClick() {
  if (TreeViewSearch->IsEmpty()) return;
  {
    ui::BusyCursor busy;
    Guarded([this] {
      // The node to insert is chosen before the conditions' nodes head the tree.
      ui::TreeNode* node = TreeViewSearch->Selected();
      if (!node) node = TreeViewSearch->FirstNode();
      AddConditionNodes(TreeViewSearch);
      SaveHistoryStudy();
      InsertNode(*node);
    });
  }
  close();
}

void TInterfaceForm::ButtonSelectClick() {
  // Unlike the desktop form, which takes the node at the top of the view, the
  // add-in takes the tree's first node when none is selected.
  const ui::TreeNode* node = TreeViewSearch->Selected();
  if (!node) node = TreeViewSearch->FirstNode();
  if (!node) return;
  // What the insertion raises is told and closes the form, as Finish does.
  bool notAVerse = false;
  Guarded([&] { notAVerse = !InsertVerseNode(insertForm_, *node); });
  if (notAVerse)
    ButtonSelect->setEnabled(false);
  else
    close();
}

void TInterfaceForm::InsertVerseFromSearchClick() {
  const ui::TreeNode* node = TreeViewSearch->Selected();
  const ui::TreeNode* entry = SelectedPreviewNode();
  if (!node || !entry) return;

  // The entries of a chapter read chapter:verse, those of a book "Chapter "
  // and the number, those of the root the book's name.
  const QString caption = PreviewListView->selectedItems().first()->text();
  QString reference;
  if (entry->ImageIndex() == ui::node::kVerse && node->Parent())
    reference = node->Parent()->Text() + " " + caption;
  else if (entry->ImageIndex() == ui::node::kChapter)
    reference = node->Text() + " " + AfterChapterWord(caption);
  else if (entry->ImageIndex() == ui::node::kBook)
    reference = caption;

  hide();
  insertForm_.move(kInsertFormPlace, kInsertFormPlace);
  insertForm_.spec->setEditText(reference);
  SaveHistoryStudy();
  insertForm_.ShowModal();
  close();
}

// ---- help ------------------------------------------------------------------------------------

void TInterfaceForm::ButtonHelpClick() {
  TFormAbout about(this);
  about.ShowModal();
}

bool TInterfaceForm::FormHelp() {
  ButtonHelpClick();
  return true;
}

void TInterfaceForm::SearchMenuAboutClick() {
  aboutForm_.show();
  aboutForm_.raise();
}

// ---- showing the form and its condition pages -----------------------------------------------

void TInterfaceForm::FormShow() {
  PendingCondition = 0;
  TrayIcon->SetPopupMenu(nullptr);
  if (OpenDialogStudyInitialDir == ".") {
    OpenDialogStudyInitialDir =
        platform::IncludeTrailingSeparator(platform::JoinPath(Text().InstallDir(), kStudyFolder));
  }
}

void TInterfaceForm::AdvancedItem(QObject* sender) {
  TabStudies->OnChange = [this] { AdvancedItemDone(TabStudies); };
  int condition = TabStudies->ActivePageIndex();
  // Only a "..." button names a condition: the page control names none.
  for (int n = 1; !IsCondition(condition) && n <= search::ConditionCount; ++n)
    if (sender == ConditionWidgets[n].MoreButton) condition = n;
  if (!IsCondition(condition)) return;

  OpenConditionPage(condition);
  TabStudies->SetPageTabVisible(condition, true);
  UpdateControls();
}

void TInterfaceForm::AdvancedItemDone(QObject*) {
  TabStudies->OnChange = [this] { AdvancedItem(TabStudies); };
  const int condition = leftPage_ != 0 ? leftPage_ : TabStudies->ActivePageIndex();
  leftPage_ = 0;
  if (IsCondition(condition)) CloseConditionPage(condition);
}

void TInterfaceForm::TabStudiesChanging(int leftIndex) { leftPage_ = leftIndex; }

void TInterfaceForm::LoadCurrentStudy() {
  const std::string history = Text().HistoryFolder();
  if (Text().InstallDir().empty() || history.empty()) return;
  LoadStudy(history + search::CurrentStudyName);
}

}  // namespace wordaddin
