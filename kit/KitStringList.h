#pragma once
// A list of string lists.

#include "ContainerOf.h"
#include "KitStringListItem.h"

namespace kit {

class TKitStringList : public ContainerOf<TKitStringList, TKitStringListItem> {
 public:
  explicit TKitStringList(QObject* owner);

  // Raises EListError for an index beyond the items.
  TKitStringListItem& StringItem(int index) const { return static_cast<TKitStringListItem&>(Item(index)); }
};

}  // namespace kit
