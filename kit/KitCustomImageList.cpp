#include "KitCustomImageList.h"

#include "KitDraw.h"

namespace kit {

TKitCustomImageList::TKitCustomImageList(QObject* owner, TKitListType listType)
    : TKitCustomContainer(owner, listType) {}

void TKitCustomImageList::DrawState(QPainter& canvas, int list, int image, const QRect& target, unsigned flags,
                                    bool enabled) const {
  DrawRect(canvas, list, image, target, enabled ? flags : flags | dfDisabled);
}

void TKitCustomImageList::AssignSettings(const TKitCustomContainer& source) {
  TKitCustomContainer::AssignSettings(source);
  if (const auto* images = dynamic_cast<const TKitCustomImageList*>(&source))
    DefaultPixelFormat = images->DefaultPixelFormat;
}

}  // namespace kit
