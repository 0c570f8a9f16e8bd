#pragma once
// A list of wave sounds.

#include "KitCustomContainer.h"
#include "KitWaveListItem.h"

namespace kit {

class TKitWaveList : public TKitCustomContainer {
 public:
  explicit TKitWaveList(QObject* owner);

  // Raises EListError for an index beyond the items.
  TKitWaveListItem& WaveItem(int index) const { return static_cast<TKitWaveListItem&>(Item(index)); }

 protected:
  std::unique_ptr<TKitListItem> CreateItem() const override;
  bool AcceptsItem(const TKitListItem& item) const override;
  bool AcceptsAssign(const TKitCustomContainer& source) const override;
};

}  // namespace kit
