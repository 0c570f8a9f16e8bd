#pragma once
// A list of string lists.

#include "KitCustomContainer.h"
#include "KitStringListItem.h"

namespace kit {

class TKitStringList : public TKitCustomContainer {
 public:
  explicit TKitStringList(QObject* owner);

  // Raises EListError for an index beyond the items.
  TKitStringListItem& StringItem(int index) const { return static_cast<TKitStringListItem&>(Item(index)); }

 protected:
  std::unique_ptr<TKitListItem> CreateItem() const override;
  bool AcceptsItem(const TKitListItem& item) const override;
  bool AcceptsAssign(const TKitCustomContainer& source) const override;
};

}  // namespace kit
