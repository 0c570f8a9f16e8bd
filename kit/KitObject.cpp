#include "KitObject.h"

namespace kit {

void TKitObject::NotifyChange() {
  if (!ChangeLocked && OnChange) OnChange(this);
}

void TKitObject::Changed() { NotifyChange(); }

std::string TKitObject::Text() const { return {}; }

}  // namespace kit
