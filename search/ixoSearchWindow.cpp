// TInterfaceForm: showing and closing the form, moving between the summary
// page and a condition page, applying typed summary texts, the result
// tree's popup menu, the Help menu and the help key.

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

#include "engine/ixoutils.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "search/HelpManual.h"
#include "search/ixoSearch.h"
#include "ui/CheckBox.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace search {
namespace {

constexpr int SummaryPage = 0;
constexpr int KeyEnter = 13;
constexpr int KeyLineFeed = 10;
// The "..." buttons whose mouse moves apply a pending condition.
constexpr int NotFieldMoreButtons = 6;

// The condition a component name's last character stands for: "1" to "9",
// then "a" to "f" (either case) for 10 to 15; 0 for anything else and above 14.
int ConditionOfSuffix(QChar last) {
  int n = 0;
  if (last >= QLatin1Char('1') && last <= QLatin1Char('9'))
    n = last.unicode() - '0';
  else if (const QChar lower = last.toLower(); lower >= QLatin1Char('a') && lower <= QLatin1Char('f'))
    n = 10 + lower.unicode() - 'a';
  return ConditionSet::IsCondition(n) ? n : 0;
}

// The character a key press types, as the summary edits see it: 13 for
// Enter, 0 for a key that types nothing (a cursor key, Shift).
int TypedCharacter(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return KeyEnter;
  const QString text = key.text();
  return text.isEmpty() ? 0 : static_cast<int>(text.front().unicode());
}

// The views' styles as the form reads them: small icons are the list mode
// with the entries in rows from left to right; a report is one column of
// entries from top to bottom.
bool ShowsSmallIcons(const QListView& view) {
  return view.viewMode() == QListView::ListMode && view.flow() == QListView::LeftToRight;
}

void CopyListLooks(const QListView& from, QListView& to) {
  to.setViewMode(from.viewMode());
  to.setFlow(from.flow());
  to.setWrapping(from.isWrapping());
  to.setMovement(from.movement());
  to.setResizeMode(from.resizeMode());
  to.setWordWrap(from.wordWrap());
  to.setFont(from.font());
}

void ShowAsReport(QListView& view) {
  view.setViewMode(QListView::ListMode);
  view.setFlow(QListView::TopToBottom);
  view.setWrapping(false);
}

}  // namespace

template <typename View>
View* TInterfaceForm::MainWindowView(const char* name) const {
  if (!mainSearchTree_) return nullptr;
  return mainSearchTree_->window()->findChild<View*>(QString::fromLatin1(name));
}

void TInterfaceForm::BindWindowHandlers() {
  connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
  connect(ButtonSelect, &QPushButton::clicked, this, [this] { ButtonSelectClick(); });
  connect(VerseBack, &QPushButton::clicked, this, [this] { ButtonNextPreviewClick(VerseBack); });
  connect(VerseNext, &QPushButton::clicked, this, [this] { ButtonNextPreviewClick(VerseNext); });

  TreeViewSearch->OnChange = [this](ui::TreeNode* node) { TreeViewSearchChange(node); };
  TreeViewSearch->viewport()->installEventFilter(this);
  // The popup's "Delete" also answers its shortcut in the tree.
  Delete->setShortcutContext(Qt::WidgetShortcut);
  TreeViewSearch->addAction(Delete);
  connect(Delete, &QAction::triggered, this, [this] { DeleteClick(); });

  connect(PreviewListView, &QListWidget::itemClicked, this, [this] { PreviewListViewClick(); });
  connect(PreviewListView, &QListWidget::itemDoubleClicked, this, [this] { PreviewListViewClick(); });
  connect(PreviewListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
    PopupBibleTree->popup(PreviewListView->viewport()->mapToGlobal(position));
  });
  connect(InsertVerseFromSearch, &QAction::triggered, this, [this] { InsertVerseFromSearchClick(); });

  connect(IxoBibleHelp, &QAction::triggered, this, [this] { IxoBibleHelpClick(); });
  connect(SearchMenuAbout, &QAction::triggered, this, [this] { SearchMenuAboutClick(); });
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] { FormHelp(); });

  // The controls over which a mouse move applies a pending condition: the
  // summary page's background, the first "..." buttons, the result area and
  // the bottom buttons but "Search".
  notFieldWidgets_ = {TabSheetEZ, ConditionWidgets[1].CheckBox->parentWidget(), TreeViewSearch->viewport(),
                      PreviewTextView->viewport()};
  for (int n = 1; n <= NotFieldMoreButtons; ++n) notFieldWidgets_ << ConditionWidgets[n].MoreButton;
  for (QPushButton* button : {ButtonBack, ButtonNext, ButtonSelectAll, ButtonClearAll, ButtonResetAll, ButtonCancel,
                              ButtonFinish, ButtonSelect, VerseBack, VerseNext})
    notFieldWidgets_ << button;
  for (QObject* object : notFieldWidgets_) {
    auto* widget = static_cast<QWidget*>(object);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
  }
}

// ---- showing and closing -------------------------------------------------------------------

void TInterfaceForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TInterfaceForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) FormClose();
}

void TInterfaceForm::FormShow() {
  PendingCondition = 0;
  if (const ui::TreeView* treeIxo = MainWindowView<ui::TreeView>("TreeIxo")) {
    TreeViewSearch->SetImages(treeIxo->Images());
    TreeViewSearch->setFont(treeIxo->font());
  }
  if (const QListWidget* listViewIxo = MainWindowView<QListWidget>("ListViewIxo")) {
    CopyListLooks(*listViewIxo, *PreviewListView);
    if (!ShowsSmallIcons(*PreviewListView)) {
      QFont font = PreviewTextView->font();
      font.setFamily(PreviewListView->font().family());
      font.setPointSize(14);
      PreviewTextView->setFont(font);
      ShowAsReport(*PreviewListView);
    }
  }
  if (OpenDialogStudyInitialDir == ".") OpenDialogStudyInitialDir = engine::GetUserDataPath("History");
}

void TInterfaceForm::FormClose() {
  if (!mainSearchTree_) return;
  QWidget* main = mainSearchTree_->window();
  if (main->isMinimized()) main->showNormal();
  main->show();
  main->raise();
  main->activateWindow();
}

void TInterfaceForm::ButtonCancelClick() { close(); }

// ---- condition pages and summary texts --------------------------------------------------------

void TInterfaceForm::FieldStudyClick() {
  const int n = CurrentCondition();
  if (n == 0) return;
  Conditions.SetAddEnabled(n, true);
}

void TInterfaceForm::AdvancedItemDone(QObject* sender) {
  const QString name = sender ? sender->objectName() : QString();
  if (name.size() == 2) {
    const int n = ConditionOfSuffix(name[1]);
    if (n == 0) return;
    OpenConditionPage(n);
    UpdateControls();
    return;
  }

  const int n = CurrentCondition();
  if (n == 0) return;
  UpdateControls();
  CloseConditionPage(n);
}

void TInterfaceForm::OpenConditionPage(int condition) {
  // Before the first search the row's text is applied first.
  if (!ButtonPreview->isHidden()) {
    EnableResultsView(true);
    ParseConditionText(condition);
    FillSearchTree();
  }
  TabStudies->SetActivePageIndex(condition);
}

void TInterfaceForm::CloseConditionPage(int condition) {
  Conditions.SummaryFromWordList(condition);
  TabStudies->SetActivePageIndex(SummaryPage);
  ApplyCondition(condition);
  UpdateControls();
  FormShow();
  update();
}

void TInterfaceForm::ApplyCondition(int condition) {
  EnableResultsView(true);
  ClearConditionWords(condition);
  ParseConditionText(condition);
  FillSearchTree();
  PendingCondition = 0;
}

void TInterfaceForm::SearchKeyPress(QObject* sender, int key) {
  const QString name = sender ? sender->objectName() : QString();
  if (name.size() < 4 || !name.startsWith(QStringLiteral("And"), Qt::CaseInsensitive)) return;
  const int n = ConditionOfSuffix(name.back());
  if (n == 0) return;
  if (key == KeyEnter || key == KeyLineFeed) {
    ApplyCondition(n);
  } else {
    PendingCondition = n;
    EnableResultsView(false);
  }
}

void TInterfaceForm::NotFieldMouseMove() {
  if (PendingCondition != 0) ApplyCondition(PendingCondition);
}

// ---- the result tree's popup menu ------------------------------------------------------------------

void TInterfaceForm::TreeViewSearchMouseDown(Qt::MouseButton button, const QPoint& position) {
  if (button == Qt::RightButton) TreePopupMenu->popup(TreeViewSearch->viewport()->mapToGlobal(position));
}

void TInterfaceForm::DeleteClick() {
  if (ui::TreeNode* node = TreeViewSearch->Selected()) DeleteResultNode(node);
}

// ---- the study dialog -----------------------------------------------------------------------------

void TInterfaceForm::OpenDialogStudyShow() {
  if (!platform::DirectoryExists(OpenDialogStudyInitialDir)) platform::ForceDirectories(OpenDialogStudyInitialDir);
}

// ---- help and the preview's popup menu -----------------------------------------------------------

void TInterfaceForm::IxoBibleHelpClick() { OpenManual(Text().InstallDir()); }

void TInterfaceForm::SearchMenuAboutClick() {
  platform::MessageDlg(CompleteInstallationText(), platform::DialogType::Information);
}

bool TInterfaceForm::FormHelp() {
  SearchMenuAboutClick();
  return true;
}

void TInterfaceForm::InsertVerseFromSearchClick() {
  if (!PreviewListView->selectedItems().isEmpty() && TreeViewSearch->Selected()) hide();
}

// ---- events of the controls -------------------------------------------------------------------------

bool TInterfaceForm::IsEntryField(const QObject* object) const {
  for (int n = 1; n <= ConditionCount; ++n) {
    const QComboBox* field = ConditionWidgets[n].ComboBox;
    if (object == field || object == field->lineEdit()) return true;
  }
  return false;
}

bool TInterfaceForm::IsSummaryEdit(const QObject* object) const {
  for (int n = 1; n <= ConditionCount; ++n)
    if (object == ConditionWidgets[n].AndEdit) return true;
  return false;
}

bool TInterfaceForm::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      if (notFieldWidgets_.contains(watched)) NotFieldMouseMove();
      break;
    case QEvent::MouseButtonPress:
      if (watched == TreeViewSearch->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        TreeViewSearchMouseDown(mouse->button(), mouse->position().toPoint());
      } else if (IsEntryField(watched)) {
        FieldStudyClick();
      }
      break;
    case QEvent::FocusIn:
      if (IsEntryField(watched)) FieldStudyClick();
      break;
    case QEvent::KeyPress:
      if (IsSummaryEdit(watched))
        if (const int key = TypedCharacter(*static_cast<QKeyEvent*>(event))) SearchKeyPress(watched, key);
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace search
