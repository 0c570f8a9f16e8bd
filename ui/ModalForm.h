#pragma once
// A form that can be shown modally and ends with a modal result. Setting a
// result other than None closes the form with it; a button bound to a result
// sets it when clicked; closing the form any other way (its close box, Esc,
// hiding it) ends with Cancel.

#include <QDialog>

#include "platform/Dialogs.h"

class QAbstractButton;

namespace ui {

using platform::ModalResult;

class ModalForm : public QDialog {
  Q_OBJECT

 public:
  explicit ModalForm(QWidget* parent = nullptr);

  // Shows the form and waits until it closes; returns how it was closed.
  ModalResult ShowModal();

  ModalResult GetModalResult() const { return result_; }
  void SetModalResult(ModalResult result);

  // A click on button sets result (and so closes the form unless result is None).
  void BindModalResult(QAbstractButton* button, ModalResult result);

 private:
  ModalResult result_ = ModalResult::None;
};

}  // namespace ui
