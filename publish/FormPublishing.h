#pragma once
// What the OK button of a publishing form runs in the main window, and the
// common end of that button in the text and document forms.

#include <functional>
#include <string>

namespace ui {
class ModalForm;
}  // namespace ui

namespace publish {

struct PublishHandlers {
  std::function<void()> ClearHistory;  // empties the main window's history tree
  std::function<void()> Publish;       // the main window's writer handler of the form's format
};

// Creates folder with every missing parent. When it cannot be created, says
// so ("Could not open or write to: '<folder>'") and returns false with the
// form still open, so that another folder can be typed. Otherwise clears the
// history tree, closes the form with OK and runs Publish.
bool PublishIntoFolder(ui::ModalForm& form, const std::string& folder, const PublishHandlers& handlers);

}  // namespace publish
