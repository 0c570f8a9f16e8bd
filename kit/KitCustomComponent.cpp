#include "KitCustomComponent.h"

namespace kit {

TKitCustomComponent::TKitCustomComponent(QObject* owner) : TComponent(owner) {}

void TKitCustomComponent::UnlockChanges(bool notify) {
  changesLocked_ = false;
  if (notify) NotifyChange();
}

void TKitCustomComponent::ThemeChanged() {}

void TKitCustomComponent::NotifyChange() {
  if (!changesLocked_) FireEvent(OnChange, this);
}

void TKitCustomComponent::LinkChanged(QObject*) { NotifyChange(); }

}  // namespace kit
