#pragma once
// Icons as the shell takes them: a 32-bit handle for an icon, which stays
// valid until it is destroyed. TIcon is an icon a component owns, with a
// change event and a handle made on demand.
// GUI thread only.

#include <QIcon>
#include <QObject>
#include <cstdint>

#include "KitEvents.h"

namespace kit {

using HICON = std::uint32_t;

HICON CreateIconHandle(const QIcon& icon);
void DestroyIconHandle(HICON handle);
// The icon of a handle; a null icon for 0 or a destroyed handle.
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

  // The handle of the picture (0 for an empty icon).
  HICON Handle() const;

  TNotifyEvent OnChange;

 private:
  void ReleaseHandle();

  QIcon icon_;
  mutable HICON handle_ = 0;
};

}  // namespace kit
