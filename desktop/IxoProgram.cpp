#include "IxoProgram.h"

#include <QWidget>

#include "PublishForms.h"
#include "ixoMain.h"

namespace desktop {

IxoProgram::IxoProgram(Parts parts)
    : mainForm_(std::make_unique<TIxoBibleMainForm>(std::move(parts.browsers))) {
  if (parts.searchForm) interfaceForm_ = parts.searchForm();
  mainForm_->AttachSearchForm(interfaceForm_.get());
  if (interfaceForm_) {
    QWidget& searchWindow = interfaceForm_->Window();
    searchWindow.setGeometry(mainForm_->geometry());
    // The main window is the program's main form: closing it ends the run,
    // also while the search form is open.
    searchWindow.setAttribute(Qt::WA_QuitOnClose, false);
  }
  publishForms_ = std::make_unique<PublishForms>(*mainForm_);
  mainForm_->AttachPublishForms(publishForms_.get());
}

IxoProgram::~IxoProgram() = default;

void IxoProgram::Start() {
  mainForm_->FormInit();
  mainForm_->show();
  mainForm_->raise();
  mainForm_->activateWindow();
  started_ = true;
}

void IxoProgram::Activate() {
  if (started_) mainForm_->ActivateInstance();
}

}  // namespace desktop
