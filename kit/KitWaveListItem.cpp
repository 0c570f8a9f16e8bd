#include "KitWaveListItem.h"

#include "KitItemData.h"

namespace kit {

TKitWaveListItem::TKitWaveListItem() {
  wave_.OnChange = [this](QObject*) { NotifyChange(); };
}

void TKitWaveListItem::Clear() { wave_.Assign(nullptr); }

std::uint8_t TKitWaveListItem::ItemFlags() const { return IsEmpty() ? 0 : kItemData; }

void TKitWaveListItem::AssignItem(const TKitListItem& source) {
  const auto& waves = SameKind<TKitWaveListItem>(source);
  const ChangesLock lock(*this, true);
  TKitListItem::AssignItem(source);
  wave_.Assign(&waves.wave_);
}

void TKitWaveListItem::ReadBody(QIODevice& in, std::uint8_t flags) {
  wave_.SetData((flags & kItemData) ? ReadItemData(in, Compressed) : QByteArray());
}

void TKitWaveListItem::WriteBody(QIODevice& out) const {
  if (!IsEmpty()) WriteItemData(out, wave_.Data(), Compressed);
}

}  // namespace kit
