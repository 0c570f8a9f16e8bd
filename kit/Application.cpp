#include "Application.h"

#include <QCoreApplication>
#include <algorithm>
#include <iostream>

#include "KitErrors.h"
#include "platform/Dialogs.h"

namespace kit {

namespace {
std::atomic<const TApplication*> terminatingApplication = nullptr;
}

TApplication::TApplication() = default;

TApplication::~TApplication() {
  const TApplication* self = this;
  terminatingApplication.compare_exchange_strong(self, nullptr);
}

void TApplication::ShowWindow(int command) { windowVisible_ = command != SW_HIDE; }

void TApplication::ProcessMessages() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

void TApplication::HandleException(const std::exception& error) {
  platform::MessageDlg(error.what(), platform::DialogType::Error);
}

void TApplication::Terminate() {
  terminated_ = true;
  terminatingApplication = this;
}

void TApplication::HookMainWindow(const void* owner, MessageHook hook) {
  hooks_.push_back({owner, std::move(hook)});
}

void TApplication::UnhookMainWindow(const void* owner) {
  std::erase_if(hooks_, [owner](const Hook& hook) { return hook.owner == owner; });
}

std::intptr_t TApplication::SendMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  TMessage message{msg, wParam, lParam};
  // A hook may unhook itself or others: call a copy, in order.
  const auto hooks = hooks_;
  for (const Hook& hook : hooks) {
    if (hook.hook(message)) break;
  }
  return message.Result;
}

bool ApplicationTerminating() { return terminatingApplication.load() != nullptr; }

void ReportException(const std::exception& error) noexcept {
  try {
    Application().HandleException(error);
  } catch (...) {
    std::cerr << "kit: " << error.what() << '\n';
  }
}

void RunGuarded(const std::function<void()>& work) noexcept {
  try {
    work();
  } catch (const std::exception& error) {
    ReportException(error);
  } catch (...) {
    ReportException(EKitError("Unknown exception"));
  }
}

}  // namespace kit
