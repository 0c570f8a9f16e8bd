#pragma once
// Showing any top-level window modally, as a form's ShowModal does: a window
// that is no ModalForm (a main window with its menu bar and status bar) is
// made application-modal, shown, and the call returns once the window is
// hidden again (closed, or hidden by its own code) or destroyed; minimising
// it does not end it. A ModalForm runs through its own ShowModal.

class QWidget;

namespace ui {

void ShowWindowModal(QWidget& window);

}  // namespace ui
