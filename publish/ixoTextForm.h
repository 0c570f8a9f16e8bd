#pragma once
// The options form of the plain-text export: the line style of the verses,
// Strong's numbers and italic words, and the output folder. Its OK button
// hands the run's options to the main window's text publishing, which makes
// the text writer (TprintText) with them and calls it for each book.

#include "publish/FormPublishing.h"
#include "ui/ModalForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class CheckBox;
class RadioButton;
}  // namespace ui

namespace publish {

struct PublishOptions;

class TprintTextForm : public ui::ModalForm {
  Q_OBJECT

 public:
  explicit TprintTextForm(PublishHandlers handlers, QWidget* parent = nullptr);

  QLabel* LabelAppName;
  QLabel* Instruct;
  QLabel* Image1;
  ui::RadioButton* RadioButtonNumericRep;
  ui::RadioButton* RadioButtonAlphaRep;
  ui::RadioButton* RadioButtonVerseOnlyRep;
  ui::CheckBox* printStrongsInfo;
  ui::CheckBox* showItalicizedWords;
  QLineEdit* EditRegText;
  QPushButton* ButtonOkay;
  QPushButton* ButtonCancel;

  void FormCreate();
  // Every time the form is shown: the "Text" folder of the installation.
  void FormActivate();
  // PublishIntoFolder with RunOptions: the folder, the history tree, closing
  // and the run.
  void ButtonOkayClick();
  void ButtonCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The options of a run started now, as the controls say.
  PublishOptions RunOptions() const;

  PublishHandlers handlers_;
};

}  // namespace publish
