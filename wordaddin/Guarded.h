#pragma once
// Runs a piece of the add-in's work so that no exception leaves it: what it
// throws is told to the user in an error box, and the caller carries on.

#include <exception>

#include "platform/Dialogs.h"

namespace wordaddin {

// The box's text when the exception says nothing of itself.
inline constexpr char kUnexpectedError[] = "The Bible add-in met an unexpected error.";

template <typename Work>
void Guarded(Work&& work) noexcept {
  try {
    try {
      work();
    } catch (const std::exception& error) {
      platform::MessageDlg(error.what(), platform::DialogType::Error);
    } catch (...) {
      platform::MessageDlg(kUnexpectedError, platform::DialogType::Error);
    }
  } catch (...) {
    // Even the box failed: there is nobody left to tell.
  }
}

}  // namespace wordaddin
