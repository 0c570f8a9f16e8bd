#pragma once
// TInterfaceForm: the search and study window. A summary page with one row
// per search condition (check box, summary edit, "..." button), a page per
// condition (entry field, word list, Add, Remove, Clear, and the lists of
// Hebrew and Greek numbers and related words), the result tree with its
// preview, and the buttons and menus below and above them.
//
// The conditions' state and their operations live in Conditions (plain
// logic) alone: after every operation that edits them the form shows them in
// their controls (ShowConditions), and what the user types, ticks or clicks
// there goes back through those operations. Every result node is built twice
// when a mirror tree is set (SetResultTree): in that tree, and in the form's
// own TreeViewSearch, whose node keeps the table's data and links to its twin
// apart from it.
//
// What the main window calls:
// - once at start: SetMainSearchTree(TreeSearch), which File > Open and Save
//   mirror into; ImageListBlue for its trees; SearchMenuAbout->setVisible(false).
// - tool-bar search: ToolbarSearch(criteria text, "All Words" checked). It
//   splits and checks the criteria (more than 14 words for All: a warning,
//   nothing changed, false), fills and shows the rows, parses, searches and
//   finishes (dated history study, "current.ixolc", style sheet). On true the
//   main window goes on with its Search page: SetResultTree(TreeSearch), then
//   LoadStudy(HistoryFolder() + CurrentStudyName).
// - Search page: SetResultTree(TreeSearch), then LoadStudy(file) when there
//   is a file, then show().
// - word pages: ButtonResetClick(nullptr) (drops the mirror), AddSearchWord(word, 1),
//   BuildResultTree(tree, node, caption, engine::ConditionMask(1), 1, ...).
// - the Bible page reads Conditions[n].WordList; the temporary page of a
//   condition node is named SafePageName(its words) (FileNamePart.h).
//
// The main window is the window that holds the tree given to
// SetMainSearchTree: each time the form is shown it takes the looks of that
// window's TreeIxo and ListViewIxo (found by their names), and closing the
// form brings that window back to the front.
//
// The form searches the desktop program's engine. Another build of the same
// form (the word-processor add-in's) gives it its own text and result tree
// and overrides the handlers that differ there: the virtual ones.

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "search/ConditionSet.h"
#include "search/HistoryFileName.h"
#include "ui/ImageList.h"

class QAction;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPoint;
class QPushButton;
class QSplitter;
class QTextEdit;
class QToolButton;

namespace ui {
class CheckBox;
class PageControl;
class TreeNode;
class TreeView;
}  // namespace ui

namespace search {

class AnchorPanel;

// The controls of one condition: its row of the summary page and its page.
struct ConditionControls {
  QWidget* TabSheet = nullptr;
  AnchorPanel* Panel = nullptr;
  QLabel* PanelBar = nullptr;
  QPushButton* ButtonClose = nullptr;
  ui::CheckBox* CheckBox = nullptr;
  QComboBox* ComboBox = nullptr;
  QListWidget* WordList = nullptr;
  QListWidget* SynoList = nullptr;
  QListWidget* HebrList = nullptr;
  QListWidget* GreeList = nullptr;
  QLabel* LabelHebr = nullptr;
  QLabel* LabelGree = nullptr;
  QLabel* LabelSyno = nullptr;
  QLineEdit* AndEdit = nullptr;
  QToolButton* MoreButton = nullptr;
  QPushButton* ButtonAdd = nullptr;
  QPushButton* ButtonDel = nullptr;
  QPushButton* ButtonClr = nullptr;
};

class TInterfaceForm : public QMainWindow {
  Q_OBJECT

 public:
  // The form over the desktop program's engine.
  explicit TInterfaceForm(QWidget* parent = nullptr);
  ~TInterfaceForm() override;

  // The text the form searches.
  SearchText& Text() const { return Conditions.Text(); }

  // ---- state -------------------------------------------------------------------------
  ConditionSet Conditions;                               // conditions 1 to 14
  std::array<ConditionControls, ConditionCount + 1> ConditionWidgets;  // entry 0 unused
  int PendingCondition = 0;
  // The time of a finished search's history file.
  Clock HistoryClock = LocalNow;
  // Shows the study dialog; true when the user chose a file. Tests replace it.
  std::function<bool(QFileDialog& dialog)> ExecuteStudyDialog;

  // ---- components --------------------------------------------------------------------
  QWidget* PanelEntire;
  ui::PageControl* TabStudies;
  QWidget* TabSheetEZ;
  QWidget* checkPanel;
  QLabel* PreviewHeader;
  QWidget* ViewStudies;
  QSplitter* Splitter1;
  QWidget* PanelText;
  QListWidget* PreviewListView;
  QTextEdit* PreviewTextView;
  ui::TreeView* TreeViewSearch;
  QWidget* PanelBottomRight;
  QPushButton* ButtonBack;
  QPushButton* ButtonNext;
  QPushButton* ButtonSelectAll;
  QPushButton* ButtonClearAll;
  QPushButton* ButtonResetAll;
  QPushButton* ButtonCancel;
  QPushButton* ButtonFinish;
  QPushButton* ButtonPreview;
  QPushButton* ButtonSelect;
  QPushButton* VerseBack;
  QPushButton* VerseNext;
  QMenuBar* SearchMenu;
  QMenu* SearchMenuFile;
  QAction* MenuStudyLoad;
  QAction* MenuStudySave;
  QMenu* SearchMenuOptions;
  QMenu* SearchMenuHelp;
  QAction* SearchMenuAbout;
  QAction* IxoBibleHelp;
  QMenu* TreePopupMenu;
  QAction* TreePopupCopy;
  QAction* TreePopupBrowser;
  QAction* Delete;
  QAction* TreePopupMSWord;
  QMenu* PopupBibleTree;
  QAction* InsertVerseFromSearch;
  QFileDialog* OpenDialogStudy;
  ui::ImageList ImageListLP;
  ui::ImageList ImageList;
  ui::ImageList ImageListBlue;

  void FormCreate();

  // ---- conditions and word lists -------------------------------------------------------
  bool AddSearchWord(const std::string& word, int condition);
  bool AddConditionWord(const std::string& word, bool showInSummary, int condition);
  void ClearConditionWords(int condition);
  void ParseConditionText(int condition);
  bool SetConditionChecked(int condition, bool checked);
  bool SetCheckBoxSilently(ui::CheckBox* checkBox, bool checked);
  void UpdateControls();
  // The condition page showing: 1 to 14, or 0 for the summary page or none.
  int CurrentCondition() const;

  void ButtonAddClick(QObject* sender);
  void ButtonDeleteClick();
  void ButtonClearListClick();
  void FieldStudyKeyPress(int condition);
  void AnyCheckBoxClick();
  void ButtonSelectAllClick();
  void ButtonClearAllClick();
  // sender ButtonResetAll: the user's Reset; nullptr: from code, which also
  // drops the mirror tree; the form itself: the reset of LoadStudy.
  void ButtonResetClick(QObject* sender);
  void ButtonMoreLess(QObject* sender);

  // ---- the search and the result tree ---------------------------------------------------
  // mask 0: the active conditions; span: the search-word span. The counts
  // receive what was found.
  void BuildResultTree(ui::TreeView* tree, ui::TreeNode* parentNode, const QString& caption,
                       std::uint16_t mask, int span, int& books, int& chapters, int& verses);
  void FillSearchTree();
  ui::TreeNode* AddResultNode(ui::TreeView* tree, ui::TreeNode* parent, const QString& caption, int imageIndex,
                              std::intptr_t data);
  void DeleteResultNode(ui::TreeNode* node);
  // The mirror tree (the main window's search tree), kept until ClearResultTree
  // or until that tree is destroyed.
  void SetResultTree(ui::TreeView* tree);
  void ClearResultTree();
  ui::TreeView* ResultTree() const;
  void EnableResultsView(bool enable);
  void AddConditionNodes(ui::TreeView* tree);
  void ButtonPreviewClick();

  // ---- studies ------------------------------------------------------------------------------
  void SaveStudy(const std::string& fileName);
  void LoadStudy(const std::string& fileName);
  // sender MenuStudyLoad (File > Open) or MenuStudySave (File > Save).
  void ButtonStudySaveLoad(QObject* sender);
  virtual void ButtonFinishClick();
  // The main window's search tree, which File > Open and Save mirror into.
  void SetMainSearchTree(ui::TreeView* tree);

  // ---- the main window's tool-bar search ------------------------------------------------------
  // The criteria as typed, "All Words" (allWords) or "Any Word": written into
  // the summary texts (the rows filled are shown), parsed, searched and
  // finished. With more than fourteen words for "All Words": a warning, the
  // conditions left as they were, and false.
  bool ToolbarSearch(const std::string& criteria, bool allWords);

  // Shows the conditions' state in their controls; runs after every change of
  // Conditions through its operations.
  void ShowConditions();

  // ---- the preview of the selected result ---------------------------------------------
  void TreeViewSearchChange(ui::TreeNode* node);
  void writePreviewText(const std::string& bookName, int chapter, int verse);
  void PreviewListViewClick();
  // sender VerseBack ("<<") or VerseNext (">>").
  void ButtonNextPreviewClick(QObject* sender);
  virtual void ButtonSelectClick();

  // ---- related words and Strong's numbers of a condition page ---------------------------
  // sender: a word list or a related-words list of the condition page showing.
  void ListStudyClick(QObject* sender);
  void ListStudyDblClick(QObject* sender);
  // sender: a Hebrew or Greek list of the condition page showing.
  void SynoStudyClick(QObject* sender);
  void SynoStudyDblClick(QObject* sender);

  // ---- showing, closing, menus and help ------------------------------------------------------
  virtual void FormShow();
  void FormClose();
  void ButtonCancelClick();
  void FieldStudyClick();
  // sender a "..." button (a1 to ae): opens that condition's page; any other
  // sender closes the condition page showing and applies its words.
  virtual void AdvancedItemDone(QObject* sender);
  void ApplyCondition(int condition);
  // sender a summary edit (And1 to AndE); key the character typed (13 for Enter).
  void SearchKeyPress(QObject* sender, int key);
  void NotFieldMouseMove();
  // position in the tree's viewport.
  void TreeViewSearchMouseDown(Qt::MouseButton button, const QPoint& position);
  void DeleteClick();
  void OpenDialogStudyShow();
  void IxoBibleHelpClick();
  virtual void SearchMenuAboutClick();
  // The help key: the note on the complete installation; the request is handled.
  virtual bool FormHelp();
  virtual void InsertVerseFromSearchClick();

  // The study dialog's initial folder: "." until the form is first shown.
  std::string OpenDialogStudyInitialDir = ".";

 protected:
  // Opens a condition's page; before the first search its summary text is
  // applied and searched first.
  void OpenConditionPage(int condition);
  // Closes a condition's page: its words go into its summary edit, the
  // summary page shows, the condition is applied, and the FormShow steps run again.
  void CloseConditionPage(int condition);

  // Makes the result tree TreeViewSearch inside its parent.
  using ResultTreeMaker = std::function<ui::TreeView*(QWidget* parent)>;
  // The form over another text, with another kind of result tree.
  TInterfaceForm(SearchText& text, const ResultTreeMaker& makeResultTree, QWidget* parent);

  // The result node of the selected preview entry; none when no entry is
  // selected or its node is gone.
  ui::TreeNode* SelectedPreviewNode() const;

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout(const ResultTreeMaker& makeResultTree);
  QWidget* BuildSummaryPage();
  void BuildConditionPage(int condition);
  QWidget* BuildBottomPanel();
  void BuildMenus();
  void BindConditionControls(int condition);
  void ShowCondition(int condition);
  // The end of Add, Remove and Clear on a condition page: the condition
  // rebuilt from its word list, the search run and the page closed.
  void RebuildConditionPage(int condition);
  // The summary page is shown and every tab hidden.
  void HideAllTabs();
  void BindWindowHandlers();
  void ShowChildrenInPreview(ui::TreeNode* node);
  void ShowVerseInPreview(ui::TreeNode* node);
  // Clears the selection in the lists of the condition other than keep, and in its entry field.
  void ClearListSelections(int condition, const QObject* keep);
  // A condition's entry field (the combo box or its edit), a summary edit.
  bool IsEntryField(const QObject* object) const;
  bool IsSummaryEdit(const QObject* object) const;
  // The main window's view of the given name, none without a main window.
  template <typename View>
  View* MainWindowView(const char* name) const;

  QPointer<ui::TreeView> resultTree_;
  QPointer<ui::TreeView> mainSearchTree_;
  bool showing_ = false;  // ShowConditions is setting controls: their handlers keep still
  QList<QObject*> notFieldWidgets_;  // a mouse move over them applies the pending condition
};

}  // namespace search
