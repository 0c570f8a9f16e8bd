#include "IxoProgram.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "PublishForms.h"
#include "ixoMain.h"

namespace desktop {

IxoProgram::IxoProgram(Parts parts)
    : mainForm_(std::make_unique<TIxoBibleMainForm>(std::move(parts.browsers))) {
  if (parts.searchForm) interfaceForm_ = parts.searchForm();
  mainForm_->AttachSearchForm(interfaceForm_.get());
  PlaceMainFormByDefault();
  if (interfaceForm_) {
    // The place of a window is that of its frame, as the main window's is.
    QWidget& searchWindow = interfaceForm_->Window();
    searchWindow.move(mainForm_->pos());
    searchWindow.resize(mainForm_->size());
    // The main window is the program's main form: closing it ends the run,
    // also while the search form is open.
    searchWindow.setAttribute(Qt::WA_QuitOnClose, false);
  }
  publishForms_ = std::make_unique<PublishForms>(*mainForm_);
  mainForm_->AttachPublishForms(publishForms_.get());
}

IxoProgram::~IxoProgram() = default;

void IxoProgram::PlaceMainFormByDefault() {
  // A window has no place of its own until the window manager maps it; the
  // search form would open in the corner of the screen with its title bar
  // above it. The main window takes the usual default place, centred on its
  // screen, before the search form is placed over it.
  if (mainForm_->testAttribute(Qt::WA_Moved)) return;
  const QScreen* screen = mainForm_->screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  QRect place(QPoint(), mainForm_->size());
  place.moveCenter(available.center());
  // A window wider or higher than the screen keeps its top left corner on it.
  mainForm_->move(std::max(place.left(), available.left()), std::max(place.top(), available.top()));
}

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
