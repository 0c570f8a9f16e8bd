#include "publish/ixoRtfForm.h"

#include "publish/ixoRtf.h"
#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace publish {

TPrintRtfForm::TPrintRtfForm(TPrintRtf& writer, PublishHandlers handlers, QWidget* parent)
    : TFormPublishBase(writer, parent), writer_(writer), handlers_(std::move(handlers)) {
  setObjectName(QStringLiteral("PrintRtf"));
  setWindowTitle(QStringLiteral("Publish Bible as RTF Documents"));
  FormCreate();
}

void TPrintRtfForm::FormCreate() {
  TFormPublishBase::FormCreate();
  CheckBoxWordCompatible->hide();
  RadioMulti->setEnabled(false);
  // The writer's one-document-per-book flag as the checked radio button says.
  RadioAllOneClick();
}

void TPrintRtfForm::ButtonOkayClick() { PublishDocuments(writer_.Options, handlers_); }

}  // namespace publish
