#pragma once
// What the OK button of a publishing form runs in the main window, and the
// common end of that button in the text and document forms.

#include <functional>

namespace ui {
class ModalForm;
}  // namespace ui

namespace publish {

struct PublishOptions;

struct PublishHandlers {
  std::function<void()> ClearHistory;  // empties the main window's history tree
  // The main window's writer handler of the form's format, given the run's options.
  std::function<void(const PublishOptions&)> Publish;
};

// Creates the options' folder with every missing parent. When it cannot be
// created, says so ("Could not open or write to: '<folder>'") and returns
// false with the form still open, so that another folder can be typed.
// Otherwise clears the history tree, closes the form with OK and runs Publish
// with the options.
bool PublishIntoFolder(ui::ModalForm& form, const PublishOptions& options, const PublishHandlers& handlers);

}  // namespace publish
