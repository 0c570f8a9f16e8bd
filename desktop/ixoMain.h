#pragma once
// TIxoBibleMainForm, the main window of the desktop program: a page control
// with six pages switched by the main menu (their tabs are hidden), a tool bar
// with the book label, the search box and the previous and next buttons, and
// a popup menu for publishing from the trees. Five pages pair a tree with a
// browser; the Options page holds the settings.
//
// The form's members are spread over a few sources:
//   ixoMainComponents.cpp  the components and their bindings
//   ixoMain.cpp            creation, initialisation, showing, pages and menus
//   BiblePage.cpp          the book tree, chapter navigation, title, previous/next
//   OptionsPage.cpp        the Options page
//   ixoPublishMenu.cpp     the publish menu of the trees and its writer handlers
//   SearchPage.cpp         the Search page: its study, the search form, its selection
//   ReviewPage.cpp         the Review page: the study and history tree, its words
//   SummaryPages.cpp       the temporary pages and the word summary page
//   HelpPage.cpp           the Help page
//   BookListView.cpp       the book lists over the Bible and Search browsers
//   NamesPage.cpp          the Names page: the letters, names and entries of
//                          "names.tree", and the search of a name
// What goes with each page (its menu, tree, browser, book list, caption and
// label) is in one table, PageTable.h.
//
// Page numbers run from 1 to 6: Bible, Search, Review, Names, Options, Help.

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "WordSummaryPage.h"
#include "ui/Browser.h"
#include "ui/ImageList.h"
#include "ui/InputBlock.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QSpinBox;
class QSplitter;

namespace engine {
struct TBookInfoRec;
}
namespace platform {
class TIniFile;
}
namespace publish {
class FileSink;
struct PublishOptions;
}
namespace ui {
class CheckBox;
class PageControl;
class RadioButton;
class TreeNode;
class TreeView;
}  // namespace ui

namespace desktop {

class PublishForms;
class SearchFormLink;
class SpeedButton;
struct PageDescriptor;

class TIxoBibleMainForm : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int PageCount = 6;

  // Builds the components with browsers from the factory, then runs FormCreate
  // (which creates and loads the engine).
  explicit TIxoBibleMainForm(ui::BrowserFactory browsers, QWidget* parent = nullptr);
  ~TIxoBibleMainForm() override;

  // The search form the main window drives, made right after the main window;
  // it is given the Search page's tree. Without one, the Search page only
  // shows what its tree holds.
  void AttachSearchForm(SearchFormLink* form);

  // The publishing forms, made after the search form. Without them the
  // publish menu's entries do nothing.
  void AttachPublishForms(PublishForms* forms) { FPublishForms = forms; }

  // ---- components ------------------------------------------------------------------

  ui::PageControl* Mode;
  QWidget* pageIxo;
  QWidget* pageSearch;
  QWidget* PageHistory;
  QWidget* PageNames;
  QWidget* PageOptions;
  QWidget* PageHelp;

  ui::TreeView* TreeIxo;
  ui::TreeView* TreeSearch;
  ui::TreeView* TreeHistory;
  ui::TreeView* TreeNames;
  ui::TreeView* TreeHelp;
  QSplitter* Splitter1;
  QSplitter* Splitter2;
  QSplitter* Splitter3;
  QSplitter* Splitter4;
  QSplitter* Splitter5;
  QWidget* PanelBible;
  QWidget* PanelFound;
  QWidget* PanelStudies;
  QWidget* PanelNames;
  QWidget* PanelHelp;
  ui::Browser* HtmlBible;
  ui::Browser* HtmlFound;
  ui::Browser* htmlHistory;
  ui::Browser* HtmlNames;
  ui::Browser* HtmlHelp;
  QListWidget* ListViewIxo;
  QListWidget* ListViewFound;

  // Options page
  QWidget* PanelOptionsRight;
  QLabel* LabelRegDirectory;
  QLabel* LabelRegLibrary;
  QLabel* Label6;
  QLabel* Label2;
  QLineEdit* EditRegHTML;
  QLineEdit* EditRegDllName;
  QLineEdit* EditRegEdition;
  QSpinBox* EditRegSensitivity;
  ui::CheckBox* LargePrint;
  ui::CheckBox* CheckUseBold;
  ui::CheckBox* CheckUseColor;
  QWidget* PanelOptionButtons;
  QPushButton* ButtonRegSave;
  QPushButton* ButtonRegCancel;
  QPushButton* ButtonReset;

  // Tool bar
  QWidget* CoolBar1;
  QLabel* LabelBook;
  QWidget* ButtonPanel;
  QWidget* Panel2;
  QWidget* ButtonPanelNav;
  SpeedButton* ButtonBooksOpen;
  SpeedButton* ButtonBooksClose;
  SpeedButton* ButtonSearch;
  QLineEdit* EditSearchCriteria;
  ui::RadioButton* RadioButtonAll;
  ui::RadioButton* RadioButtonAny;
  QLabel* LabelInstallMode;
  SpeedButton* ButtonBookPrev;
  SpeedButton* ButtonBookNext;

  // Menus
  QAction* BibleMenu;
  QAction* SearchMenu;
  QAction* ReviewMenu;
  QAction* NamesMenu;
  QAction* OptionsMenu;
  QAction* HelpMenu;
  QMenu* TreePopupMenu;
  QAction* PublishasVanillaHTML1;
  QAction* TreePopupPrintHtml;
  QAction* TreePopupPrintText;
  QAction* TreePopupRtf;
  QAction* TreePopupWp;
  QAction* TreePopupMSW;
  QAction* ClipboardOptions;
  QAction* PrintViaMicrosoftWord;
  QAction* PrintViaWordPerfect;

  ui::ImageList ImageListNames;
  ui::ImageList ImageListNamesBlue;
  ui::ImageList ImageListHelpBlue;
  ui::ImageList ImageListBlue;

  // ---- the form --------------------------------------------------------------------

  void FormCreate();
  // Once, after all forms exist: looks, images, the first page and the trees,
  // or the message that the text could not be initialised.
  void FormInit();
  // Runs after the form has been shown (and again from the Options page): the
  // browsers' first pages, and the chapter pages when they are not all written.
  void FormShow();
  void FormActivate();
  // The hand-over of a second copy of the program: show and raise the window.
  void ActivateInstance();
  // Whether the first show handler has run: until then the window is being
  // set up, and selections in its trees are ignored.
  bool IsSetUp() const { return setUp_; }

  // PageNo 0: the active page; 1 to 6: that page; anything else, and the
  // Options page: none.
  ui::Browser* BrowserForPage(int pageNo) const;
  ui::TreeView* TreeForPage(int pageNo) const;
  // Navigates the browser of page PageNo (0: the active page) to FUrl.
  void GoToURL(QObject* sender, int pageNo);

  void ModeChange();
  void BibleMenuClick();
  void SearchMenuClick(QObject* sender);
  void ReviewMenuClick();
  void NamesMenuClick();
  void OptionsMenuClick();
  void HelpMenuClick();
  void EditSearchCriteriaKeyPress();
  void ButtonBooksOpenCloseClick(QObject* sender);
  void TreePopupMenuPopup();

  // ---- Names page ------------------------------------------------------------------

  // The letters "A" to "Z", and the reader of the home folder's "names.tree".
  void InitNamesTree(ui::TreeView& tree);
  // The first expansion of a letter lists its names, of a name its entries
  // and "Review Study", of "Review Study" the books, chapters and verses
  // where the name occurs (the search form searches it).
  bool TreeNamesExpanding(ui::TreeNode* node);
  // Renaming a node is not offered: editing notes the caption, and an edited
  // caption is always taken back (caption receives the old one).
  void TreeNamesEditing(QObject* sender, ui::TreeNode* node, bool& allowEdit);
  void TreeNamesEdited(QObject* sender, ui::TreeNode* node, QString& caption);

  // ---- Search page -----------------------------------------------------------------

  // The search form mirrors into TreeSearch, the Search page shows, and the
  // study is loaded (and searched) by the form.
  void OpenStudyInSearchPage(const std::string& fileName);
  // The same without a study when fileName is empty, and the search form
  // shown (and shown again once the waiting events have run). With pump the
  // waiting events run first, and again for a short pause after the page
  // switch, before the study is loaded: the rest follows when they have.
  void ShowSearchForm(const std::string& fileName, bool pump);
  // Shows the search form, with the last search ("current.ixolc") when the
  // Search page is empty.
  void ButtonSearchClick();
  // Selection in the Search and Names trees: results show their chapter page,
  // word lists their word summary page.
  void TreeNamesChange(QObject* sender, ui::TreeNode* node);

  // ---- publish menu ----------------------------------------------------------------

  // The entries: each shows its format's options form; the printer entries
  // show the WordPerfect form in print mode, Word's in Word-compatible mode.
  void TreePrintHtmlDialog();
  void TreePrintTextDialog();
  void TreePrintRTFDialog();
  void TreePrintWpDialog();
  void TreePrintMSWDialog();
  void TreePopupWordBasicClick(QObject* sender);
  // Called by the forms' OK buttons with the run's options: each writes the
  // book of its node, or the books under it, and stops at the first book that
  // fails. HTML and text take the active page's selected node, RTF and
  // WordPerfect FPopupNode; a chapter stands for its book, and so does a
  // verse, except that HTML writes a chapter's page alone.
  void TreePrintHtml(const publish::PublishOptions& options);
  void TreePrintText(const publish::PublishOptions& options);
  void TreePrintRTF(const publish::PublishOptions& options);
  void TreePrintWp(const publish::PublishOptions& options);
  // ---- Review page -----------------------------------------------------------------

  // Adds the folder folderName under baseDir (with its sub-folders and its
  // files of extension ext) below parent, in one batch when parent is none.
  // Level: -1 keeps the folder images at every depth; 0 and up counts the
  // depth of the history folders (years, months, deeper folders).
  void ScanStudyFolder(ui::TreeView& tree, ui::TreeNode* parent, int fileImage, int fileSelectedImage,
                       int folderImage, int folderSelectedImage, const std::string& baseDir,
                       const std::string& folderName, const std::string& ext, int level);
  // The node of a folder in TreeHistory: a month under a year, none for a
  // folder named "History", else a node captioned with the name.
  ui::TreeNode* AddFolderNode(ui::TreeNode* parent, const std::string& folderName);
  // A dated history entry's caption: "05  [12:34:56]" for "05@@(12.34.56)".
  void FormatHistoryCaption(ui::TreeNode* node);
  // A history entry's file below the history folder, without its extension:
  // "2011/01 (January)/05@@(12.34.56)". For any other node: its root's caption.
  std::string NodePath(const ui::TreeNode* node) const;
  // The first expansion of a study or history entry adds the words of its
  // active conditions.
  bool TreeHistoryExpanding(ui::TreeNode* node);
  void TreeHistoryChange(QObject* sender, ui::TreeNode* node);
  // Bound to no control: the caption of the node selected in TreeHistory
  // becomes the pending address, shown in the active page's browser when a
  // sender is given.
  void treeHistoryClick(QObject* sender);
  // Bound to no browser: an address a page would open is shown through the
  // active page's browser instead; BeforeNavigate cancels the browser's own
  // navigation, NewWindow lets it go on.
  void HistoryTabBeforeNavigate(QObject* sender, const std::string& url, bool& cancel);
  void HistoryTabNewWindow(QObject* sender, const std::string& url, bool& cancel);

  // ---- temporary and summary pages -------------------------------------------------

  // Writes content as the page name + ".html" of the HTML folder's "Temp"
  // folder and shows it in browser (when there is one). Nothing is shown or
  // reported, and false returned, when the page cannot be written or name is
  // not a plain file name.
  bool WriteTempHtmlPage(const std::string& name, ui::Browser* browser, const std::string& content);
  // The word summary page of a word-list node, written under the name of its
  // words and shown in the active page's browser.
  void ShowWordSummaryPage(const ui::TreeNode& node, WordSummaryVariant variant);

  // ---- Options page ----------------------------------------------------------------

  void LoadOptions();
  // "Update": the folders and the span into the engine, the per-user values
  // into the registry store, then the offer to end the program.
  void ButtonRegSaveClick();
  // "Cancel": the settings read again, shown, and the switches set.
  void ButtonRegCancelClick();
  // The click handler of the bold and colour boxes (hidden): both switched on.
  void ConfigStateChange();
  void EditRegSensitivityChange();
  void LargePrintClick();
  // "Reset Html" (hidden): writes the chapter pages of all 66 books again.
  void ButtonResetClick();

  // ---- Help page -------------------------------------------------------------------

  void TreeHelpChange(QObject* sender, ui::TreeNode* node);
  bool TreeHelpChanging(ui::TreeNode* node);
  // Shows the help home page (bound to no control).
  void IxoHomeDblClick(QObject* sender);

  // ---- book lists ------------------------------------------------------------------

  // Fills and shows the book list of the Search page when it is active, else
  // of the Bible page (bound to no control).
  void buttonBookListClick(QObject* sender);
  // A list's choice: selects its book in the page's tree and hides the lists.
  void ListViewBibleChange(QObject* sender, QListWidgetItem* item);
  // Pointer positions are in the list's coordinates.
  void ListViewIxoMouseMove(int x, int y);
  void ListViewFoundMouseUp(Qt::MouseButton button, int x, int y);
  void ListViewIxoKeyPress(char& key);
  void ListViewFoundKeyPress(char& key);

  // ---- Bible page ------------------------------------------------------------------

  // Builds the book tree when it is empty: the testaments at once, their
  // books one a turn of the event loop; the user is held off, and the show
  // handler waits, until the last book is in.
  void pageIxoEnter();
  ui::TreeNode* AddTreeNode(ui::TreeView& tree, ui::TreeNode* parent, std::intptr_t data,
                            int imageIndex, const QString& text);
  void AddBookNode(ui::TreeView& tree, ui::TreeNode* parent, const engine::TBookInfoRec& book);
  void chapterTree(ui::TreeView& tree, ui::TreeNode* bookNode);
  bool treeIxoExpanding(ui::TreeNode* node);
  void TreeIxoExpanded(ui::TreeNode* node);
  // Shows the chapter page of a book, chapter or verse node of any tree of the
  // window in the active page's browser; nodes of another shape are ignored.
  void treeIxoChange(QObject* sender, ui::TreeNode* node);
  // The window caption and the tool bar's book label for the active page.
  void UpdateTitle();
  void ButtonBookPrevProc(Qt::MouseButton button);
  void ButtonBookNextProc(Qt::MouseButton button);

  // ---- state -----------------------------------------------------------------------

  std::string FUrl;
  // Whether the switches of the Options page may run: not until the first
  // show handler has run, nor while they work. While it is false the show
  // handler sends the tree pages back to their first page.
  bool FOptionsReady = false;
  bool FLargePrintChanged = false;
  std::string FBlankPage;
  std::string FGospelPage;
  ui::TreeNode* FOldTestamentNode = nullptr;
  ui::TreeNode* FNewTestamentNode = nullptr;
  ui::TreeNode* FPopupNode = nullptr;
  PublishForms* FPublishForms = nullptr;
  // Set when a book list has just been shown or Esc was pressed in one: the
  // pointer in the list's edge band does not hide it until it has been inside.
  bool FKeepBookList = false;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateComponents();
  // The object names of a tree-and-browser page and its components; list is
  // none for the pages without a book list.
  struct TreePageNames {
    const char* page;
    const char* tree;
    const char* splitter;
    const char* panel;
    const char* browser;
    const char* list;
  };
  QWidget* CreateTreePage(const TreePageNames& names, ui::TreeView*& tree, QSplitter*& splitter,
                          QWidget*& panel, ui::Browser*& browser, QListWidget** list);
  QWidget* CreateOptionsPage();
  void CreateToolBar();
  void CreateMenus();
  void BindHandlers();
  void BindPublishMenu();
  void BindOptionsPage();
  void BindHelpPage();
  void BindBookLists();

  // The entry of page pageNo in the page table: 0 the active page, 1 to
  // PageCount that page; none for any other.
  const PageDescriptor* PageOf(int pageNo) const;
  // Every switch of the active page, by the user, a menu or code, ends here.
  void PageSwitched();
  // Activates page without a page-change event, empties FUrl and sets the title.
  void ShowPageOnly(QWidget* page);
  // The menu handler of page, with the page as sender.
  void RunPageMenuHandler(const PageDescriptor& page);
  // Shows the one tree-pane button that applies to the active page's tree;
  // none without a tree.
  void ShowPaneButtons();
  // The width of the tree pane of a tree page, and setting it.
  int TreePaneWidth(const ui::TreeView& tree) const;
  void SetTreePaneWidth(ui::TreeView& tree, int width);
  // Steps the selection of the active page's tree one node back or on.
  void StepSelection(bool forward, Qt::MouseButton button);
  // Writes the chapter pages of the books under the top-level nodes of tree,
  // then the style sheet, and marks the pages written when all 66 books are.
  void WriteChapterPages(const ui::TreeView& tree);
  // After the pages of all 66 books: the style sheet, then the marker that
  // the chapter pages are complete.
  void CompleteChapterPages();
  // Writes the style sheet of the engine's HTML folder with the search form's
  // conditions (none without the form). False when it could not (reported).
  bool WriteSearchStyleSheet(publish::FileSink* sink = nullptr) const;
  // Builds the help tree from the home folder's tree file and shows its first topic.
  void BuildHelpTree();
  // Adds book number book to the book tree, and queues the next one.
  void AddBookNodesFrom(int book);
  // Hides the book lists of every page.
  void HideBookLists();
  // The parts of ShowSearchForm: TreeSearch attached and the Search page
  // shown; then the study loaded and the search form shown.
  void AttachSearchPage();
  void ShowSearchFormWith(const std::string& fileName);

  ui::BrowserFactory browsers_;
  SearchFormLink* InterfaceForm = nullptr;
  bool setUp_ = false;
  bool FTitleBusy = false;
  // A rewrite of the style sheet on activation runs, or the last one failed:
  // the next failures are not shown in a message box (FormActivate).
  bool FStyleSheetQuiet = false;
  std::unique_ptr<platform::TIniFile> FNamesIni;
  QString FEditOldName;  // the caption of a Names node when its editing began
  // The study and history files TreeHistory was built from (ReviewMenuClick).
  std::string FReviewFilesListed;
  // While the books of the book tree are being added.
  struct BookTreeBuild {
    // Written out rather than defaulted from member initialisers: an optional
    // of a nested type inside the class that holds it needs the constructor
    // declared before the class is complete.
    BookTreeBuild() : showWaiting(false) {}
    ui::InputBlock input;
    bool showWaiting;  // the show handler runs when the last book is in
  };
  std::optional<BookTreeBuild> bookTreeBuild_;
};

}  // namespace desktop
