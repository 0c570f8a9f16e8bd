#include "KitWaveList.h"

namespace kit {

TKitWaveList::TKitWaveList(QObject* owner) : TKitCustomContainer(owner, TKitListType::ltWaveList) {}

std::unique_ptr<TKitListItem> TKitWaveList::CreateItem() const {
  auto item = std::make_unique<TKitWaveListItem>();
  item->Compressed = DefaultCompressed;
  return item;
}

bool TKitWaveList::AcceptsAssign(const TKitCustomContainer& source) const {
  return dynamic_cast<const TKitWaveList*>(&source) != nullptr;
}

}  // namespace kit
