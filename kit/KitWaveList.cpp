#include "KitWaveList.h"

namespace kit {

TKitWaveList::TKitWaveList(QObject* owner) : ContainerOf(owner, TKitListType::ltWaveList) {}

}  // namespace kit
