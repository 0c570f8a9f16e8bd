#include "publish/ixoRtfForm.h"

#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace publish {

TPrintRtfForm::TPrintRtfForm(PublishHandlers handlers, QWidget* parent)
    : TFormPublishBase(parent), handlers_(std::move(handlers)) {
  setObjectName(QStringLiteral("PrintRtf"));
  setWindowTitle(QStringLiteral("Publish Bible as RTF Documents"));
  FormCreate();
}

void TPrintRtfForm::FormCreate() {
  TFormPublishBase::FormCreate();
  CheckBoxWordCompatible->hide();
  RadioMulti->setEnabled(false);
  // The one-document-per-book flag as the checked radio button says.
  RadioAllOneClick();
}

void TPrintRtfForm::ButtonOkayClick() { PublishDocuments(handlers_); }

}  // namespace publish
