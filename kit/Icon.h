#pragma once
// Icons as the shell takes them: a 32-bit handle for an icon, which names it
// while it lives (KitHandles.h). TIcon is an icon a component owns, with a
// change event and a handle made on demand; a new picture gets a new handle.
// GUI thread only.

#include <QIcon>
#include <QObject>
#include <cstdint>

#include "KitEvents.h"

namespace kit {

using HICON = std::uint32_t;

// The picture of the icon of a handle; a null icon for 0 or a handle that
// names no icon now.
QIcon IconOfHandle(HICON handle);

class TIcon : public QObject {
 public:
  TIcon() = default;
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  const QIcon& Picture() const { return icon_; }
  bool Empty() const { return icon_.isNull(); }
  // A new picture, then the change event.
  void SetPicture(const QIcon& icon);
  void Assign(const TIcon& source) { SetPicture(source.icon_); }

  // The handle of the picture (0 for an empty icon, and without an
  // initialised kit).
  HICON Handle() const;

  TNotifyEvent OnChange;

 private:
  void ReleaseHandle();

  QIcon icon_;
  mutable HICON handle_ = 0;
};

}  // namespace kit
