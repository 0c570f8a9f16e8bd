#include "ModalForm.h"

#include <QAbstractButton>

namespace ui {

ModalForm::ModalForm(QWidget* parent) : QDialog(parent) {}

ModalResult ModalForm::ShowModal() {
  result_ = ModalResult::None;
  exec();
  if (result_ == ModalResult::None) result_ = ModalResult::Cancel;
  return result_;
}

void ModalForm::SetModalResult(ModalResult result) {
  result_ = result;
  if (result != ModalResult::None) done(result == ModalResult::Cancel ? Rejected : Accepted);
}

void ModalForm::BindModalResult(QAbstractButton* button, ModalResult result) {
  connect(button, &QAbstractButton::clicked, this, [this, result] { SetModalResult(result); });
}

}  // namespace ui
