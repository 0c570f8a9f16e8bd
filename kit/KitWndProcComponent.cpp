#include "KitWndProcComponent.h"

#include <QWidget>

#include "Application.h"
#include "KitErrors.h"
#include "OwnerMessages.h"

namespace kit {

TKitWndProcComponent::TKitWndProcComponent(QObject* owner) : TKitCustomComponent(owner) {}

TKitWndProcComponent::~TKitWndProcComponent() { UnsubclassOwner(); }

void TKitWndProcComponent::Loaded() {
  TKitCustomComponent::Loaded();
  if (!IsDesigning() || designHook_) AttachHook();
}

void TKitWndProcComponent::SetHookEnabled(bool value) {
  if (value == hookEnabled_) return;
  hookEnabled_ = value;
  if (!IsDesigning()) {
    if (value) {
      AttachHook();
    } else {
      DetachHook();
    }
  }
  HookStateChanged();
}

void TKitWndProcComponent::SetDesignHook(bool value) {
  if (value == designHook_) return;
  designHook_ = value;
  DesignHookChanged();
}

void TKitWndProcComponent::SetHookApplication(bool value) {
  if (IsLoading() || IsDesigning()) hookApplication_ = value;
}

QWidget* TKitWndProcComponent::HookedHandle() const { return qobject_cast<QWidget*>(Owner()); }

bool TKitWndProcComponent::AppMessage(TMessage&) { return true; }

void TKitWndProcComponent::AttachHook() {
  if (hookEnabled_ && !IsHooked()) SubclassOwner();
}

void TKitWndProcComponent::DetachHook() { UnsubclassOwner(); }

void TKitWndProcComponent::OwnerMessage(TMessage& message) { PassToOwner(message); }

void TKitWndProcComponent::DesignHookChanged() {
  if (IsDesigning() && !designHook_) UnsubclassOwner();
}

void TKitWndProcComponent::HookStateChanged() {}

void TKitWndProcComponent::PassToOwner(TMessage& message) { message.PassedOn = true; }

bool TKitWndProcComponent::SubclassOwner() {
  QWidget* owner = HookedHandle();
  if (owner == nullptr || IsHooked() || (IsDesigning() && !designHook_)) return false;
  if (hookApplication_) {
    try {
      Application().HookMainWindow(this, [this](TMessage& message) { return AppMessage(message); });
      applicationHooked_ = true;
    } catch (const EKitError&) {
      UnsubclassOwner();
      return false;
    }
  }
  owner->installEventFilter(this);
  hooked_ = owner;
  return true;
}

bool TKitWndProcComponent::UnsubclassOwner() {
  if (QWidget* owner = hooked_.data()) owner->removeEventFilter(this);
  hooked_.clear();
  if (applicationHooked_) {
    applicationHooked_ = false;
    try {
      Application().UnhookMainWindow(this);
    } catch (const EKitError&) {
      // The kit is finalised already, and its application with every hook.
    }
  }
  return true;
}

bool TKitWndProcComponent::DeliverOwnerMessage(TMessage& message) {
  message.PassedOn = false;
  bool passedOn = true;
  RunGuarded([&] {
    OwnerMessage(message);
    passedOn = message.PassedOn;
  });
  return passedOn;
}

bool TKitWndProcComponent::eventFilter(QObject* watched, QEvent* event) {
  if (watched != hooked_.data()) return false;
  if (event->type() == TKitMessageEvent::EventType()) {
    return !DeliverOwnerMessage(static_cast<TKitMessageEvent*>(event)->Message());
  }
  auto message = MessageFromEvent(*watched, *event);
  if (!message || DeliverOwnerMessage(*message)) return false;
  // A consumed close keeps the window open.
  if (event->type() == QEvent::Close) event->ignore();
  return true;
}

}  // namespace kit
