#pragma once
// The base of the kit's value objects (a wave, for one): a change event that
// a lock can hold back.

#include <QObject>
#include <string>

#include "KitEvents.h"

namespace kit {

class TKitObject : public QObject {
 public:
  TKitObject() = default;

  TNotifyEvent OnChange;
  bool ChangeLocked = false;

  // Fires OnChange with this object as sender unless the lock is set.
  virtual void NotifyChange();
  virtual void Changed();
  // A text that describes the object; empty in the base.
  virtual std::string Text() const;
};

}  // namespace kit
