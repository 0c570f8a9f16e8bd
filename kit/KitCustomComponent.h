#pragma once
// The base of the kit's components: an About text, a change event and a lock
// that holds change notification back.

#include <string>

#include "Component.h"
#include "KitEvents.h"

namespace kit {

using TKitAboutVar = std::string;

class TKitCustomComponent : public TComponent {
 public:
  explicit TKitCustomComponent(QObject* owner);

  TKitAboutVar About;
  TNotifyEvent OnChange;

  bool ChangesLocked() const { return changesLocked_; }
  void LockChanges() { changesLocked_ = true; }
  // Clears the lock; with notify, then notifies.
  void UnlockChanges(bool notify);

  // Called when the visual theme changes; nothing in the base.
  virtual void ThemeChanged();
  // Fires OnChange with this component as sender unless changes are locked.
  virtual void NotifyChange();
  // What change links call: notifies.
  virtual void LinkChanged(QObject* sender);

 private:
  bool changesLocked_ = false;
};

// Locks a component's changes for a scope and unlocks them at its end,
// notifying once when asked to (also when the scope ends by an exception).
class ChangesLock {
 public:
  ChangesLock(TKitCustomComponent& component, bool notifyAtEnd) : component_(component), notify_(notifyAtEnd) {
    component_.LockChanges();
  }
  ~ChangesLock() { component_.UnlockChanges(notify_); }
  ChangesLock(const ChangesLock&) = delete;
  ChangesLock& operator=(const ChangesLock&) = delete;

 private:
  TKitCustomComponent& component_;
  bool notify_;
};

}  // namespace kit
