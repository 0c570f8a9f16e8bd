#pragma once
// A container of one list of each kind (bitmaps, images, strings, waves),
// which tells its own change links whenever one of them changes. At design
// time a change in a container's list is first copied into the list of the
// same kind of the kit's global container.

#include <memory>

#include "KitBaseController.h"
#include "KitBitmapList.h"
#include "KitChangeLink.h"
#include "KitImageList.h"
#include "KitStringList.h"
#include "KitWaveList.h"

namespace kit {

class TKitContainer : public TKitBaseController {
 public:
  explicit TKitContainer(QObject* owner);

  TKitBitmapList& BitmapList() const { return *bitmapList_; }
  TKitImageList& ImageList() const { return *imageList_; }
  TKitStringList& StringList() const { return *stringList_; }
  TKitWaveList& WaveList() const { return *waveList_; }

 private:
  void ListChanged(TKitCustomContainer& list);
  void Watch(TKitCustomContainer& list, TKitChangeLink& link);

  std::unique_ptr<TKitBitmapList> bitmapList_;
  std::unique_ptr<TKitImageList> imageList_;
  std::unique_ptr<TKitStringList> stringList_;
  std::unique_ptr<TKitWaveList> waveList_;
  // After the lists, so that the links leave them before they go.
  TKitChangeLink bitmapLink_, imageLink_, stringLink_, waveLink_;
};

// The kit's global container; throws EKitError when the kit is not
// initialised.
TKitContainer& GlobalContainer();

}  // namespace kit
