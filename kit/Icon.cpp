#include "Icon.h"

#include "KitHandles.h"

namespace kit {

QIcon IconOfHandle(HICON handle) {
  const HandlesOf<const TIcon>* handles = IconHandles();
  const TIcon* icon = handles == nullptr ? nullptr : handles->Find(handle);
  return icon == nullptr ? QIcon() : icon->Picture();
}

TIcon::~TIcon() { ReleaseHandle(); }

void TIcon::SetPicture(const QIcon& icon) {
  ReleaseHandle();
  icon_ = icon;
  FireEvent(OnChange, this);
}

HICON TIcon::Handle() const {
  if (handle_ == 0 && !icon_.isNull()) {
    if (HandlesOf<const TIcon>* handles = IconHandles()) handle_ = handles->Add(*this);
  }
  return handle_;
}

void TIcon::ReleaseHandle() {
  if (handle_ == 0) return;
  if (HandlesOf<const TIcon>* handles = IconHandles()) handles->Remove(handle_, *this);
  handle_ = 0;
}

}  // namespace kit
