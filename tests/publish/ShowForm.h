#pragma once
// Shows a form modally in a test, runs an action once it is up (typing,
// clicking), and returns how the form was closed. A form the action leaves
// open is closed after a while, so that a failing test does not hang.

#include <functional>

#include "ui/ModalForm.h"

namespace publish_test {

ui::ModalResult ShowForm(ui::ModalForm& form, const std::function<void()>& whileShown);

}  // namespace publish_test
