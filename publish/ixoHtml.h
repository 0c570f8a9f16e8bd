#pragma once
// TprintHtml: the options form of the HTML export. Its OK button points the
// engine's HTML folder at the folder typed in the form for the length of one
// run of the main window's HTML publishing, which writes the chapter pages
// under the engine's HTML folder with the run's options; the setting itself
// is never changed here.

#include <functional>

#include "ui/ModalForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class CheckBox;
}  // namespace ui

namespace publish {

struct PublishOptions;

class TprintHtml : public ui::ModalForm {
  Q_OBJECT

 public:
  // publish: the main window's HTML publishing, run by the OK button with the
  // run's options.
  explicit TprintHtml(std::function<void(const PublishOptions&)> publish, QWidget* parent = nullptr);

  QLabel* Image1;
  QLabel* LabelAppName;
  QLabel* Instruct;
  QLineEdit* EditRegHTML;
  ui::CheckBox* printStrongsInfo;
  QPushButton* ButtonOkay;
  QPushButton* ButtonCancel;

  // At creation and every time the form is shown: the engine's HTML folder.
  void FormCreate();
  void FormActivate();
  void ButtonOkayClick();
  // Ticks printStrongsInfo again and closes the form.
  void ButtonCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::function<void(const PublishOptions&)> publish_;
};

}  // namespace publish
