#pragma once
// The options form of the RTF documents, on the publishing base form: one
// document per book only, and no Word-compatibility choice (RTF is read by
// Word as it is). Its OK button hands the run's options to the main window's
// RTF publishing, which makes the RTF writer with them and calls WriteBookRtf
// for each book.

#include "publish/ixoPublishForm.h"

namespace publish {

class TPrintRtfForm : public TFormPublishBase {
  Q_OBJECT

 public:
  explicit TPrintRtfForm(PublishHandlers handlers, QWidget* parent = nullptr);

  void FormCreate();
  void ButtonOkayClick() override;

 private:
  PublishHandlers handlers_;
};

}  // namespace publish
