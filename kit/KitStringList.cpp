#include "KitStringList.h"

namespace kit {

TKitStringList::TKitStringList(QObject* owner) : ContainerOf(owner, TKitListType::ltStringList) {}

}  // namespace kit
