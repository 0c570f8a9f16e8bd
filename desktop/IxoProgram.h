#pragma once
// The forms of one run of the desktop program, created in their fixed order
// and freed in the reverse order when the run ends:
//   1 IxoBibleMainForm (its creation makes and loads the engine, which the
//     later forms read), 2 InterfaceForm, the search and study form, then the
//     publishing forms.
// The search form opens exactly over the main window. Closing the main window
// ends the run, whatever other window is open.

#include <memory>

#include "SearchFormLink.h"
#include "ui/Browser.h"

namespace desktop {

class PublishForms;
class TIxoBibleMainForm;

class IxoProgram {
 public:
  struct Parts {
    ui::BrowserFactory browsers;    // the browsers of the main window's pages
    SearchFormFactory searchForm;  // none: the program runs without a search form
  };

  explicit IxoProgram(Parts parts);
  ~IxoProgram();
  IxoProgram(const IxoProgram&) = delete;
  IxoProgram& operator=(const IxoProgram&) = delete;

  // Initialises the main window and shows it; its show handler runs once the
  // message loop (or a test) has let the waiting events run and the main
  // window's book tree is built.
  void Start();

  // The hand-over of a later copy of the program: the main window shows and
  // raises itself. Before Start the window is about to be shown anyway.
  void Activate();

  TIxoBibleMainForm& MainForm() { return *mainForm_; }
  SearchFormLink* InterfaceForm() { return interfaceForm_.get(); }

 private:
  void PlaceMainFormByDefault();

  std::unique_ptr<TIxoBibleMainForm> mainForm_;
  std::unique_ptr<SearchFormLink> interfaceForm_;
  // printHtml, printText, PrintRtf and PrintWp, the main window's dialogs.
  std::unique_ptr<PublishForms> publishForms_;
  bool started_ = false;
};

}  // namespace desktop
