#include "KitObject.h"

namespace kit {

void TKitObject::NotifyChange() {
  if (!ChangeLocked) FireEvent(OnChange, this);
}

void TKitObject::Changed() { NotifyChange(); }

std::string TKitObject::Text() const { return {}; }

}  // namespace kit
