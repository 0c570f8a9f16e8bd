#include "KitStringList.h"

namespace kit {

TKitStringList::TKitStringList(QObject* owner) : TKitCustomContainer(owner, TKitListType::ltStringList) {}

std::unique_ptr<TKitListItem> TKitStringList::CreateItem() const {
  auto item = std::make_unique<TKitStringListItem>();
  item->Compressed = DefaultCompressed;
  return item;
}

bool TKitStringList::AcceptsItem(const TKitListItem& item) const {
  return dynamic_cast<const TKitStringListItem*>(&item) != nullptr;
}

bool TKitStringList::AcceptsAssign(const TKitCustomContainer& source) const {
  return dynamic_cast<const TKitStringList*>(&source) != nullptr;
}

}  // namespace kit
