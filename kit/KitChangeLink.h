#pragma once
// One user's registration with a controller (an image list, say): the
// controller calls Change on every registered link when it changes.
// Destroying a link unregisters it; destroying the controller clears the
// links' controller, so neither side is left pointing at the other.

#include "KitEvents.h"

namespace kit {

class TKitBaseController;

class TKitChangeLink {
 public:
  TKitChangeLink() = default;
  virtual ~TKitChangeLink();
  TKitChangeLink(const TKitChangeLink&) = delete;
  TKitChangeLink& operator=(const TKitChangeLink&) = delete;

  TKitBaseController* Controller() const { return controller_; }
  TNotifyEvent OnChange;

  // Fires OnChange with the controller as sender.
  virtual void Change();

 private:
  friend class TKitBaseController;
  TKitBaseController* controller_ = nullptr;
};

}  // namespace kit
