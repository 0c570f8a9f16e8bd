#include "KitCont.h"

#include "KitUnits.h"

namespace kit {

namespace {

// The list of the global container that is of the same kind as list.
TKitCustomContainer& SameKindIn(TKitContainer& container, const TKitCustomContainer& list) {
  switch (list.ListType()) {
    case TKitListType::ltBitmapList:
      return container.BitmapList();
    case TKitListType::ltImageList:
      return container.ImageList();
    case TKitListType::ltStringList:
      return container.StringList();
    default:
      return container.WaveList();
  }
}

}  // namespace

TKitContainer::TKitContainer(QObject* owner)
    : TKitBaseController(owner),
      bitmapList_(std::make_unique<TKitBitmapList>(this)),
      imageList_(std::make_unique<TKitImageList>(this)),
      stringList_(std::make_unique<TKitStringList>(this)),
      waveList_(std::make_unique<TKitWaveList>(this)) {
  Watch(*bitmapList_, bitmapLink_);
  Watch(*imageList_, imageLink_);
  Watch(*stringList_, stringLink_);
  Watch(*waveList_, waveLink_);
}

void TKitContainer::Watch(TKitCustomContainer& list, TKitChangeLink& link) {
  link.OnChange = [this, &list](QObject*) { ListChanged(list); };
  list.RegisterChanges(&link);
}

void TKitContainer::ListChanged(TKitCustomContainer& list) {
  if (IsDesigning() && KitInitialized()) {
    TKitContainer& global = GlobalContainer();
    if (&global != this) SameKindIn(global, list).Assign(list);
  }
  NotifyChange();
}

}  // namespace kit
