#pragma once
// The options form of the WordPerfect documents, on the publishing base form.
// Word-compatibility mode turns off the options a word processor of another
// make cannot read (two columns, headers and footers) and chooses ".doc";
// turning it off again brings back what was chosen before. Its OK button
// hands the run's options to the main window's WordPerfect publishing, which
// makes the WordPerfect writer with them and calls WriteBookWp for each book.

#include "publish/ixoPublishForm.h"

namespace publish {

class TPrintWpForm : public TFormPublishBase {
  Q_OBJECT

 public:
  explicit TPrintWpForm(PublishHandlers handlers, QWidget* parent = nullptr);

  void FormCreate();
  void FormActivate() override;
  void CheckBoxWordCompatibleClick() override;
  void ButtonOkayClick() override;

 private:
  // The options that Word-compatibility mode overrides, as they were when it was ticked.
  struct SavedOptions {
    bool headFoot = false;
    bool headFootOddEven = false;
    bool dualColumns = false;
    bool dotDoc = false;
  };

  // The header and footer boxes can be used only outside Word-compatibility
  // mode, and the double-sided box only with headers and footers.
  void EnableHeaderFooterBoxes();

  PublishHandlers handlers_;
  bool compatibleMode_ = false;  // the options are overridden and saved_ holds them
  SavedOptions saved_;
};

}  // namespace publish
