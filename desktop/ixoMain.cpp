// The main window as a whole: creation, initialisation, first showing and
// activation, the pages and navigation, the page switch and the menus.

#include "ixoMain.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QSplitter>
#include <bitset>
#include <optional>

#include "BookTree.h"
#include "ChapterPagesMarker.h"
#include "PageTable.h"
#include "SearchFormLink.h"
#include "SpeedButton.h"
#include "engine/ixoObject.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "publish/HtmlPages.h"
#include "publish/StyleSheet.h"
#include "search/FinishSearch.h"
#include "search/StudyFile.h"
#include "ui/BusyCursor.h"
#include "ui/CheckBox.h"
#include "ui/EventPump.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/RadioButton.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

constexpr char kNotLoadedMessage[] = "Could not initialize bible text.  Please re-install the program.";
constexpr int kOpenPaneWidth = 270;
constexpr int kClosedPaneWidth = 1;

}  // namespace

TIxoBibleMainForm::TIxoBibleMainForm(ui::BrowserFactory browsers, QWidget* parent)
    : QMainWindow(parent), browsers_(std::move(browsers)) {
  CreateComponents();
  FormCreate();
}

TIxoBibleMainForm::~TIxoBibleMainForm() = default;

void TIxoBibleMainForm::AttachSearchForm(SearchFormLink* form) {
  InterfaceForm = form;
  if (InterfaceForm) InterfaceForm->SetMainSearchTree(TreeSearch);
}

// ---- creation, initialisation, showing ---------------------------------------------

void TIxoBibleMainForm::FormCreate() {
  FOptionsReady = false;
  FTitleBusy = false;
  engine::ReplaceEngine(std::make_unique<engine::TixoEngine>());
  engine::TixoEngine& text = engine::Engine();
  text.Load();  // FormInit tells the user when it did not load
  LoadOptions();
  CheckUseColor->setEnabled(false);
  CheckUseBold->setEnabled(false);
  FPopupNode = nullptr;
  FBlankPage = text.HomeDir + "Help/Blank.html";
  FGospelPage = text.HomeDir + "Help/gospel.html";
}

void TIxoBibleMainForm::FormInit() {
  QFont treeFont = TreeIxo->font();
  treeFont.setPointSize(14);
  TreeIxo->setFont(treeFont);
  TreeIxo->setIndentation(14);

  QFont listFont = ListViewIxo->font();
  listFont.setFamily(treeFont.family());
  listFont.setPointSize(14);
  for (QListWidget* list : {ListViewIxo, ListViewFound}) {
    list->setFont(listFont);
    list->setViewMode(QListView::IconMode);
    list->setResizeMode(QListView::Adjust);  // arranged automatically
    list->setWordWrap(false);
    list->setIconSize(ImageListBlue.Size());
  }

  TreeIxo->SetImages(InterfaceForm ? InterfaceForm->ImageListBlue() : ImageListBlue);
  TreeHelp->SetImages(ImageListHelpBlue);
  TreeNames->SetImages(ImageListBlue);

  TreeSearch->setFont(treeFont);
  TreeSearch->SetImages(TreeIxo->Images());
  TreeSearch->setIndentation(5);
  TreeHistory->setFont(treeFont);
  TreeHistory->SetImages(TreeIxo->Images());
  TreeHistory->setIndentation(TreeIxo->indentation());
  for (ui::TreeView* tree : {TreeNames, TreeHelp}) {
    tree->setFont(treeFont);
    tree->setIndentation(TreeIxo->indentation());
  }

  if (engine::Engine().Loaded) {
    Mode->SetActivePage(pageIxo);
    pageIxoEnter();
    InitNamesTree(*TreeNames);
  } else {
    platform::MessageDlg(kNotLoadedMessage, platform::DialogType::Error);
  }
}

void TIxoBibleMainForm::FormShow() {
  const ui::TreeView* remembered = TreeForPage(0);
  const bool firstPages = !FOptionsReady;
  if (firstPages) {
    for (int page = 1; page <= 4; ++page) BrowserForPage(page)->Navigate(QString::fromStdString(FGospelPage));
    if (InterfaceForm) InterfaceForm->HideAboutMenuItem();
  }
  FOptionsReady = true;
  setUp_ = true;

  const engine::TixoEngine& text = engine::Engine();
  if (text.Loaded && !ChapterPagesWritten(text.HtmlDir)) {
    repaint();
    Mode->SetActivePage(pageIxo);
    ModeChange();
    if (remembered) WriteChapterPages(*remembered);
  }

  // The book tree is the window's first control. A tree that takes the focus
  // with nothing selected selects its first visible node, which here shows the
  // first chapter of Genesis. (The focus may have made that node the current
  // one already; selecting it again only highlights it.)
  if (firstPages && Mode->ActivePage() == pageIxo) {
    TreeIxo->setFocus();
    TreeIxo->Select(TreeIxo->Selected() ? TreeIxo->Selected() : TreeIxo->TopNode());
  }
}

void TIxoBibleMainForm::WriteChapterPages(const ui::TreeView& tree) {
  ui::BusyCursor busy;
  ui::EventPump pump;
  publish::PublishOptions options;
  options.processMessages = [&pump] { pump.Pump(); };

  // The books hang one level down: under the testaments, or under a result root.
  std::bitset<engine::TixoEngine::Books + 1> written;
  for (const ui::TreeNode* top = tree.FirstNode(); top; top = top->NextSibling()) {
    const ui::TreeNode* first = top->FirstChild();
    if (!first || first->ImageIndex() != ui::node::kBook) continue;
    for (const ui::TreeNode* book = first; book; book = book->NextSibling()) {
      const engine::TBookInfoRec* record = BookRecordOf(book);
      if (!record) continue;
      if (!publish::WriteBookHtml(*record, options)) return;  // reported; the next start goes on
      written.set(record->Ordinal + 1);
    }
  }
  if (written.count() == engine::TixoEngine::Books) CompleteChapterPages();
}

bool TIxoBibleMainForm::WriteSearchStyleSheet(publish::FileSink* sink) const {
  return publish::WriteStyleSheet(InterfaceForm ? InterfaceForm->Conditions() : nullptr, sink);
}

void TIxoBibleMainForm::CompleteChapterPages() {
  if (!WriteSearchStyleSheet()) return;
  MarkChapterPagesWritten(engine::Engine().HtmlDir);
}

void TIxoBibleMainForm::FormActivate() {
  // Without the text the HTML folder is not known: nothing is written.
  if (!engine::Engine().Loaded) return;
  // Closing the message of a failed rewrite activates the window again. So a
  // failure is told once: the tries after it, and one made while its message
  // shows, go to the console until a rewrite succeeds.
  std::optional<platform::ScopedDialogService> quiet;
  if (FStyleSheetQuiet) quiet.emplace(std::make_shared<platform::ConsoleDialogService>());
  FStyleSheetQuiet = true;
  FStyleSheetQuiet = !WriteSearchStyleSheet();
}

void TIxoBibleMainForm::ActivateInstance() {
  show();
  raise();
  activateWindow();
}

void TIxoBibleMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // FormShow runs once the window is on the screen, so that it stays painted
  // while the chapter pages are written, and once the book tree is built.
  if (event->spontaneous()) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (bookTreeBuild_)
          bookTreeBuild_->showWaiting = true;
        else
          FormShow();
      },
      Qt::QueuedConnection);
}

void TIxoBibleMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

// ---- pages, browsers and navigation -------------------------------------------------

const PageDescriptor* TIxoBibleMainForm::PageOf(int pageNo) const {
  const int page = pageNo == 0 ? Mode->ActivePageIndex() + 1 : pageNo;
  if (page < 1 || page > PageCount) return nullptr;
  return &MainPages()[page - 1];
}

ui::Browser* TIxoBibleMainForm::BrowserForPage(int pageNo) const {
  const PageDescriptor* page = PageOf(pageNo);
  return page && page->browser ? this->*page->browser : nullptr;
}

ui::TreeView* TIxoBibleMainForm::TreeForPage(int pageNo) const {
  const PageDescriptor* page = PageOf(pageNo);
  return page && page->tree ? this->*page->tree : nullptr;
}

void TIxoBibleMainForm::GoToURL(QObject*, int pageNo) {
  ui::Browser* browser = BrowserForPage(pageNo);
  if (!browser) return;
  ui::BusyCursor busy;  // the navigation itself runs on in the browser
  browser->Navigate(QString::fromStdString(FUrl));
}

int TIxoBibleMainForm::TreePaneWidth(const ui::TreeView& tree) const {
  const auto* splitter = qobject_cast<const QSplitter*>(tree.parentWidget());
  return splitter ? splitter->sizes().value(0) : tree.width();
}

void TIxoBibleMainForm::SetTreePaneWidth(ui::TreeView& tree, int width) {
  auto* splitter = qobject_cast<QSplitter*>(tree.parentWidget());
  if (!splitter) return;
  QList<int> sizes = splitter->sizes();
  const int total = sizes.value(0) + sizes.value(1);
  splitter->setSizes({width, std::max(total - width, 1)});
}

void TIxoBibleMainForm::ShowPaneButtons() {
  const ui::TreeView* tree = TreeForPage(0);
  const bool collapsed = tree && TreePaneWidth(*tree) <= kClosedPaneWidth;
  ButtonBooksOpen->setEnabled(tree && collapsed);
  ButtonBooksClose->setEnabled(tree && !collapsed);
  ButtonBooksOpen->setVisible(tree && collapsed);
  ButtonBooksClose->setVisible(tree && !collapsed);
}

void TIxoBibleMainForm::PageSwitched() { ShowPaneButtons(); }

void TIxoBibleMainForm::RunPageMenuHandler(const PageDescriptor& page) {
  page.menuClick(*this, this->*page.page);
}

void TIxoBibleMainForm::ModeChange() {
  pageIxoEnter();
  ShowPaneButtons();
  if (const PageDescriptor* page = PageOf(0)) RunPageMenuHandler(*page);
}

void TIxoBibleMainForm::ButtonBooksOpenCloseClick(QObject* sender) {
  const PageDescriptor* page = PageOf(0);
  if (ui::TreeView* tree = TreeForPage(0)) {
    if (sender == ButtonBooksOpen)
      SetTreePaneWidth(*tree, kOpenPaneWidth);
    else if (sender == ButtonBooksClose)
      SetTreePaneWidth(*tree, kClosedPaneWidth);
  }
  ShowPaneButtons();
  if (page) RunPageMenuHandler(*page);
}

void TIxoBibleMainForm::ShowPageOnly(QWidget* page) {
  Mode->SetActivePage(page);
  FUrl.clear();
  UpdateTitle();
}

// ---- menus ---------------------------------------------------------------------------

void TIxoBibleMainForm::BibleMenuClick() { ShowPageOnly(pageIxo); }

void TIxoBibleMainForm::NamesMenuClick() { ShowPageOnly(PageNames); }

void TIxoBibleMainForm::OptionsMenuClick() { ShowPageOnly(PageOptions); }

void TIxoBibleMainForm::SearchMenuClick(QObject* sender) {
  // Without the text there is nothing to search: no study is kept and the
  // style sheet is left alone, as everywhere else in the window.
  if (!engine::Engine().Loaded) return;
  // An empty box has nothing to search: the page shows the last search as it
  // stands, and no study is written or loaded.
  if (EditSearchCriteria->text().trimmed().isEmpty()) {
    ShowPageOnly(pageSearch);
    return;
  }
  // The search form writes the words into its conditions, searches and keeps
  // the search; it refuses (after a warning) more words than conditions.
  const bool allWords = !RadioButtonAny->isChecked();
  if (InterfaceForm && !InterfaceForm->ToolbarSearch(EditSearchCriteria->text().toStdString(), allWords)) return;
  Mode->SetActivePage(pageSearch);
  if (sender != SearchMenu) OpenStudyInSearchPage(search::HistoryFolder() + search::CurrentStudyName);
  // The page was switched by code: the caption names it all the same.
  UpdateTitle();
  const bool found = TreeSearch->NodeCount() > 1;
  SearchMenu->setEnabled(found);
  if (found) TreeSearch->Expand(TreeSearch->FirstNode());
}

void TIxoBibleMainForm::EditSearchCriteriaKeyPress() { SearchMenuClick(ButtonSearch); }

void TIxoBibleMainForm::TreePopupMenuPopup() {
  const ui::TreeView* tree = TreeForPage(0);
  FPopupNode = tree ? tree->Selected() : nullptr;
  if (!FPopupNode) return;
  const bool notVerse = FPopupNode->ImageIndex() != ui::node::kVerse;
  TreePopupPrintHtml->setEnabled(notVerse);
  TreePopupPrintText->setEnabled(notVerse);
}

}  // namespace desktop
