#pragma once
// The add-in's search and study form: the desktop program's search form
// (search/ixoSearch.h) built once more over the add-in's text, with what the
// add-in does otherwise:
// - its results go into the document: "Finish" inserts the selected part of
//   the result tree, "Select" the selected verse, the preview's "Insert Verse"
//   opens the insert dialog with the reference of the selected entry; each
//   then closes the form;
// - the result tree is a quick tree; the Strong's lists come from the engine
//   library; the studies lie below the installation folder;
// - the "..." buttons and a page change of TabStudies open a condition page
//   (AdvancedItem), the "x" buttons and the next page change close it
//   (AdvancedItemDone), which applies the page the user left;
// - a notification-area icon with its menu, the help key and the Help menu
//   show the add-in's about form.
// The host shows the form modally (ui/ModalWindow.h); closing it ends the command.

#include <string>

#include "search/ixoSearch.h"

class QAction;
class QMenu;
class QStatusBar;

namespace kit {
class TKitTrayIcon;
}
namespace search {
class SearchText;
}

namespace wordaddin {

class TFormAbout;
class TFormInsert;

class TInterfaceForm final : public search::TInterfaceForm {
  Q_OBJECT

 public:
  // The form over the add-in's text; it inserts through insertForm and its
  // Help menu shows aboutForm. All three live longer than the form.
  TInterfaceForm(search::SearchText& text, TFormInsert& insertForm, TFormAbout& aboutForm,
                 QWidget* parent = nullptr);
  ~TInterfaceForm() override;

  // ---- components beside the desktop form's ---------------------------------------
  kit::TKitTrayIcon* TrayIcon;
  QMenu* TrayPopupMenu;
  QAction* TrayBrowse;  // does nothing
  QAction* TraySearch;  // shows and raises the form
  QAction* TrayClose;   // terminates the application object and closes the form
  QWidget* PanelButtonsLeft;
  // The older single word-list files are neither read nor written: hidden.
  QPushButton* ButtonSaveObsolete;
  QPushButton* ButtonLoadObsolete;
  QStatusBar* StatusBar1;

  // ---- handlers ----------------------------------------------------------------------
  // Inserts the selected node (none: the first node) by its kind: a verse, a
  // chapter's verses, a book's verses; any other node every book of the
  // result. The study is saved as a dated history study first; the form
  // closes whatever happened.
  void ButtonFinishClick() override;
  // A verse selected (none: the first node): inserts it and closes the form;
  // any other node disables "Select".
  void ButtonSelectClick() override;
  // Hides the form, saves the study as a dated history study, shows the
  // insert dialog at (20, 20) with the reference of the selected preview
  // entry, then closes the form. Needs a selected entry and result node.
  void InsertVerseFromSearchClick() override;
  // A new about form over the search form, modally.
  void ButtonHelpClick();
  bool FormHelp() override;
  // Shows and raises the add-in's about form without waiting for it.
  void SearchMenuAboutClick() override;
  // Detaches the tray icon's menu; the study dialog starts in the
  // installation folder's "Study" folder when it has no folder yet.
  void FormShow() override;

  // Opens the condition page of the page control's active page, or else of
  // the "..." button that was clicked.
  void AdvancedItem(QObject* sender);
  // Closes the condition page the user left (else the page showing): its
  // words go into its summary edit and the condition is applied.
  void AdvancedItemDone(QObject* sender) override;
  // Before the user changes pages: the page being left.
  void TabStudiesChanging(int leftIndex);

  // The page AdvancedItemDone closes next; 0 when none was left.
  int LeftPage() const { return leftPage_; }

  // Loads the current study of the installation's history folder, when the
  // installation folder is known.
  void LoadCurrentStudy();

 private:
  void BuildAddinComponents();
  void BindAddinHandlers();
  // Saves the study under a new dated name of the history folder.
  void SaveHistoryStudy();
  // The root of the result ("References", or the status text that replaced it).
  ui::TreeNode* ResultRoot() const;
  // Inserts a node of the result tree by its kind.
  void InsertNode(const ui::TreeNode& node);

  TFormInsert& insertForm_;
  TFormAbout& aboutForm_;
  int leftPage_ = 0;
};

}  // namespace wordaddin
