#include "KitWaveList.h"

namespace kit {

TKitWaveList::TKitWaveList(QObject* owner) : TKitCustomContainer(owner, TKitListType::ltWaveList) {}

std::unique_ptr<TKitListItem> TKitWaveList::CreateItem() const {
  auto item = std::make_unique<TKitWaveListItem>();
  item->Compressed = DefaultCompressed;
  return item;
}

bool TKitWaveList::AcceptsItem(const TKitListItem& item) const {
  return dynamic_cast<const TKitWaveListItem*>(&item) != nullptr;
}

bool TKitWaveList::AcceptsAssign(const TKitCustomContainer& source) const {
  return dynamic_cast<const TKitWaveList*>(&source) != nullptr;
}

}  // namespace kit
