#include "Dialogs.h"

#include <iostream>
#include <utility>

namespace platform {
namespace {

std::shared_ptr<DialogService>& InstalledService() {
  static std::shared_ptr<DialogService> service = std::make_shared<ConsoleDialogService>();
  return service;
}

}  // namespace

std::string_view DialogTypeName(DialogType type) {
  switch (type) {
    case DialogType::Warning: return "Warning";
    case DialogType::Error: return "Error";
    case DialogType::Information: return "Information";
    case DialogType::Confirmation: return "Confirm";
  }
  return {};
}

ModalResult DefaultAnswer(DialogButtons buttons) {
  switch (buttons) {
    case DialogButtons::OK:
    case DialogButtons::OKCancel: return ModalResult::OK;
    case DialogButtons::YesNo:
    case DialogButtons::YesNoCancel: return ModalResult::Yes;
  }
  return ModalResult::OK;
}

ModalResult ConsoleDialogService::Show(const DialogRequest& request) {
  std::cerr << (request.caption.empty() ? DialogTypeName(request.type) : std::string_view(request.caption))
            << ": " << request.text << '\n';
  return DefaultAnswer(request.buttons);
}

ModalResult RecordingDialogService::Show(const DialogRequest& request) {
  shown_.push_back(request);
  if (answers_.empty()) return DefaultAnswer(request.buttons);
  const ModalResult answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::shared_ptr<DialogService> SetDialogService(std::shared_ptr<DialogService> service) {
  if (!service) service = std::make_shared<ConsoleDialogService>();
  return std::exchange(InstalledService(), std::move(service));
}

DialogService& CurrentDialogService() { return *InstalledService(); }

ModalResult MessageBox(std::string_view text, std::string_view caption, DialogButtons buttons,
                       DialogType type) {
  return CurrentDialogService().Show(DialogRequest{DialogRequest::Kind::MessageBox,
                                                   std::string(text), std::string(caption), type,
                                                   buttons});
}

ModalResult MessageDlg(std::string_view text, DialogType type, DialogButtons buttons) {
  return CurrentDialogService().Show(
      DialogRequest{DialogRequest::Kind::MessageDialog, std::string(text), std::string(), type, buttons});
}

}  // namespace platform
