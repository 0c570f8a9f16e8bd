#include "KitChangeLink.h"

#include "KitBaseController.h"

namespace kit {

TKitChangeLink::~TKitChangeLink() {
  // Every registration goes, so that no controller keeps a freed link.
  while (controller_ != nullptr) controller_->UnregisterChanges(this);
}

void TKitChangeLink::Change() { FireEvent(OnChange, controller_); }

}  // namespace kit
