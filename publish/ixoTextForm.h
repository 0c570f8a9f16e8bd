#pragma once
// The options form of the plain-text export: the line style of the verses,
// Strong's numbers and italic words, and the output folder. Its OK button
// hands the options to the text writer (TprintText) and runs the main
// window's text publishing, which calls the writer for each book.

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

class TprintText;

class TprintTextForm : public ui::ModalForm {
  Q_OBJECT

 public:
  // The writer outlives the form.
  TprintTextForm(TprintText& writer, PublishHandlers handlers, QWidget* parent = nullptr);

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
  // The options into the writer, then the folder, the history tree, closing
  // and the run (PublishIntoFolder).
  void ButtonOkayClick();
  void ButtonCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TprintText& writer_;
  PublishHandlers handlers_;
};

}  // namespace publish
