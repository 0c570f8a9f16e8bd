#pragma once
// A list of wave sounds.

#include "ContainerOf.h"
#include "KitWaveListItem.h"

namespace kit {

class TKitWaveList : public ContainerOf<TKitWaveList, TKitWaveListItem> {
 public:
  explicit TKitWaveList(QObject* owner);

  // Raises EListError for an index beyond the items.
  TKitWaveListItem& WaveItem(int index) const { return static_cast<TKitWaveListItem&>(Item(index)); }
};

}  // namespace kit
