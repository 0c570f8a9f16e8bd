#pragma once
// The publishing base form: the options dialog that the document publishers
// share (one document per book or per chapter, two columns, headers and
// footers, Word compatibility, file extension, output folder). Its handlers
// set the form's three option flags; the options of a run are built from the
// flags and the controls (RunOptions) when OK is clicked. The publishers
// derive from it and override the handlers they change.

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

struct PublishOptions;

class TFormPublishBase : public ui::ModalForm {
  Q_OBJECT

 public:
  explicit TFormPublishBase(QWidget* parent = nullptr);

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

  // The options of a run started now: the controls (print mode when the OK
  // button reads PrintCaption) and the option flags.
  PublishOptions RunOptions() const;

 protected:
  void showEvent(QShowEvent* event) override;

  // The OK button of the publishers: PublishIntoFolder with RunOptions.
  void PublishDocuments(const PublishHandlers& handlers);

 private:
  // The option flags, False at creation; only the handlers change them.
  bool FHeaderEachChapter = false;  // set by CheckBoxDualColumnsClick
  bool FWordCompatible = false;
  bool FAllInOne = false;
};

}  // namespace publish
