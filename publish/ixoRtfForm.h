#pragma once
// The options form of the RTF documents, on the publishing base form: one
// document per book only, and no Word-compatibility choice (RTF is read by
// Word as it is). Its OK button hands the options to the RTF writer and runs
// the main window's RTF publishing, which calls WriteBookRtf for each book.

#include "publish/ixoPublishForm.h"

namespace publish {

class TPrintRtf;

class TPrintRtfForm : public TFormPublishBase {
  Q_OBJECT

 public:
  // The writer outlives the form.
  TPrintRtfForm(TPrintRtf& writer, PublishHandlers handlers, QWidget* parent = nullptr);

  void FormCreate();
  void ButtonOkayClick() override;

 private:
  TPrintRtf& writer_;
  PublishHandlers handlers_;
};

}  // namespace publish
