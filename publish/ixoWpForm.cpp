#include "publish/ixoWpForm.h"

#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace publish {

TPrintWpForm::TPrintWpForm(PublishHandlers handlers, QWidget* parent)
    : TFormPublishBase(parent), handlers_(std::move(handlers)) {
  setObjectName(QStringLiteral("PrintWp"));
  setWindowTitle(QStringLiteral("Publish Bible as WordPerfect Documents"));
  FormCreate();
}

void TPrintWpForm::FormCreate() {
  TFormPublishBase::FormCreate();
  buttonDotNative->setText(QStringLiteral("*.wpd"));
  // The option flags as the controls say.
  RadioAllOneClick();
  CheckBoxWordCompatibleClick();
}

void TPrintWpForm::FormActivate() {
  TFormPublishBase::FormActivate();
  EnableHeaderFooterBoxes();
}

void TPrintWpForm::CheckBoxWordCompatibleClick() {
  const bool compatible = CheckBoxWordCompatible->isChecked();
  if (compatible && !compatibleMode_) {
    saved_ = {CheckBoxHeadFoot->isChecked(), CheckBoxHeadFootOddEven->isChecked(),
              CheckBoxDualColumns->isChecked(), buttonDotDoc->isChecked()};
    CheckBoxDualColumns->setChecked(false);
    CheckBoxHeadFoot->setChecked(false);
    buttonDotDoc->setChecked(true);
  } else if (!compatible && compatibleMode_) {
    // The double-sided box after its header box, whose handler clears it.
    CheckBoxHeadFoot->setChecked(saved_.headFoot);
    CheckBoxHeadFootOddEven->setChecked(saved_.headFootOddEven);
    CheckBoxDualColumns->setChecked(saved_.dualColumns);
    if (saved_.dotDoc) buttonDotDoc->setChecked(true);
    else buttonDotNative->setChecked(true);
  }
  compatibleMode_ = compatible;
  EnableHeaderFooterBoxes();
  TFormPublishBase::CheckBoxWordCompatibleClick();
}

void TPrintWpForm::EnableHeaderFooterBoxes() {
  const bool compatible = CheckBoxWordCompatible->isChecked();
  CheckBoxHeadFoot->setEnabled(!compatible);
  CheckBoxHeadFootOddEven->setEnabled(!compatible && CheckBoxHeadFoot->isChecked());
}

void TPrintWpForm::ButtonOkayClick() { PublishDocuments(handlers_); }

}  // namespace publish
