#include "KitObject.h"

namespace kit {

void TKitObject::NotifyChange() {
  if (ChangeLocked || !OnChange) return;
  // A copy: the handler may free this object, and its event with it.
  const TNotifyEvent event = OnChange;
  event(this);
}

void TKitObject::Changed() { NotifyChange(); }

std::string TKitObject::Text() const { return {}; }

}  // namespace kit
