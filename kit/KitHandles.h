#pragma once
// The numbers by which window messages and the shell's record name the kit's
// hidden windows and icons, and the Qt objects they stand for. The kit object
// owns its Qt object; a table only points at it, so a number whose object is
// gone names nothing.
//
// The initialised kit keeps one table of windows and one of icons
// (KitUnits.h); an object that takes a number without an initialised kit
// gets 0, which names nothing. GUI thread only.

#include <QPointer>
#include <cstdint>
#include <map>

namespace kit {

class HiddenWindow;
class TIcon;

template <typename Object>
class HandlesOf {
 public:
  using Handle = std::uint32_t;

  // A number that names no other live object; never 0.
  Handle Add(Object& object) {
    Handle handle = 0;
    do {
      handle = ++last_;
    } while (handle == 0 || Find(handle) != nullptr);
    objects_[handle] = &object;
    return handle;
  }
  // Forgets the number, if it still names this object.
  void Remove(Handle handle, const Object& object) {
    const auto found = objects_.find(handle);
    if (found != objects_.end() && (found->second.isNull() || found->second.data() == &object)) objects_.erase(found);
  }
  // The object of the number; null for 0 and for an object that is gone.
  Object* Find(Handle handle) const {
    const auto found = objects_.find(handle);
    return found == objects_.end() ? nullptr : found->second.data();
  }

 private:
  std::map<Handle, QPointer<Object>> objects_;
  Handle last_ = 0;
};

// The tables of the initialised kit; null when it is not initialised.
HandlesOf<HiddenWindow>* WindowHandles();
HandlesOf<const TIcon>* IconHandles();

}  // namespace kit
