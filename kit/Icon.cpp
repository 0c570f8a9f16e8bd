#include "Icon.h"

#include <map>

namespace kit {

namespace {

struct IconTable {
  std::map<HICON, QIcon> icons;
  HICON last = 0;
};

IconTable& Icons() {
  static IconTable table;
  return table;
}

}  // namespace

HICON CreateIconHandle(const QIcon& icon) {
  IconTable& table = Icons();
  HICON handle = 0;
  do {
    handle = ++table.last;
  } while (handle == 0 || table.icons.count(handle) != 0);
  table.icons.emplace(handle, icon);
  return handle;
}

void DestroyIconHandle(HICON handle) { Icons().icons.erase(handle); }

QIcon IconOfHandle(HICON handle) {
  const IconTable& table = Icons();
  const auto found = table.icons.find(handle);
  return found == table.icons.end() ? QIcon() : found->second;
}

TIcon::~TIcon() { ReleaseHandle(); }

void TIcon::SetPicture(const QIcon& icon) {
  ReleaseHandle();
  icon_ = icon;
  FireEvent(OnChange, this);
}

HICON TIcon::Handle() const {
  if (handle_ == 0 && !icon_.isNull()) handle_ = CreateIconHandle(icon_);
  return handle_;
}

void TIcon::ReleaseHandle() {
  if (handle_ != 0) DestroyIconHandle(handle_);
  handle_ = 0;
}

}  // namespace kit
