#include "KitCustomComponent.h"

namespace kit {

TKitCustomComponent::TKitCustomComponent(QObject* owner) : TComponent(owner) {}

void TKitCustomComponent::UnlockChanges(bool notify) {
  changesLocked_ = false;
  if (notify) NotifyChange();
}

void TKitCustomComponent::ThemeChanged() {}

void TKitCustomComponent::NotifyChange() {
  if (changesLocked_ || !OnChange) return;
  // A copy: the handler may free this component, and its event with it.
  const TNotifyEvent event = OnChange;
  event(this);
}

void TKitCustomComponent::LinkChanged(QObject*) { NotifyChange(); }

}  // namespace kit
