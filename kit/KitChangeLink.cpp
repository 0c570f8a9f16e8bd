#include "KitChangeLink.h"

#include "KitBaseController.h"

namespace kit {

TKitChangeLink::~TKitChangeLink() {
  // Every registration goes, so that no controller keeps a freed link.
  while (controller_ != nullptr) controller_->UnregisterChanges(this);
}

void TKitChangeLink::Change() {
  if (!OnChange) return;
  // A copy: the handler may free this link, and its event with it.
  const TNotifyEvent event = OnChange;
  event(controller_);
}

}  // namespace kit
