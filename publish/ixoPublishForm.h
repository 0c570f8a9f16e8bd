#pragma once
// The publishing base form: the options dialog that the document publishers
// share (one document per book or per chapter, two columns, headers and
// footers, Word compatibility, file extension, output folder). Its handlers
// set the option flags of the publisher's writer; the publishers derive from
// it and override the handlers they change.

#include "publish/FormPublishing.h"
#include "ui/ModalForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class CheckBox;
class RadioButton;
}  // namespace ui

namespace publish {

class TPublishWriter;
struct DocumentOptions;

class TFormPublishBase : public ui::ModalForm {
  Q_OBJECT

 public:
  // The writer whose option flags the handlers set; it outlives the form.
  explicit TFormPublishBase(TPublishWriter& writer, QWidget* parent = nullptr);

  // The OK button's caption that puts the form in print mode: each finished
  // document is printed.
  static constexpr const char* PrintCaption = "Print";

  QLabel* LabelAppName;
  QLabel* Instruct;
  QLabel* Image1;
  ui::RadioButton* RadioAllOne;
  ui::RadioButton* RadioMulti;
  ui::CheckBox* CheckBoxDualColumns;
  ui::CheckBox* CheckBoxHeadFoot;
  ui::CheckBox* CheckBoxHeadFootOddEven;
  ui::CheckBox* CheckBoxWordCompatible;
  QGroupBox* GroupBox1;
  ui::RadioButton* buttonDotNative;
  ui::RadioButton* buttonDotDoc;
  QLineEdit* EditRegText;
  QPushButton* ButtonCancel;
  QPushButton* ButtonOkay;

  virtual void RadioAllOneClick();
  virtual void RadioMultiClick();
  virtual void CheckBoxDualColumnsClick();
  virtual void CheckBoxHeadFootClick();
  virtual void CheckBoxWordCompatibleClick();
  virtual void FormActivate();
  virtual void ButtonOkayClick();
  void FormCreate();
  void ButtonCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

  TPublishWriter& Writer() { return writer_; }

  // The OK button of the publishers: the controls into options (print mode
  // when the OK button reads PrintCaption), then PublishIntoFolder.
  void PublishDocuments(DocumentOptions& options, const PublishHandlers& handlers);

 private:
  TPublishWriter& writer_;
};

}  // namespace publish
