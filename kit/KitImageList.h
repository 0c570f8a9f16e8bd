#pragma once
// A list of image-list items: list number N is item N, each with its strip of
// images.

#include "ContainerOf.h"
#include "KitCustomImageList.h"
#include "KitImageListItem.h"

namespace kit {

class TKitImageList : public ContainerOf<TKitImageList, TKitImageListItem, TKitCustomImageList> {
 public:
  explicit TKitImageList(QObject* owner);

  // Raises EListError for a list number beyond the items.
  TKitImageListItem& ImageItem(int list) const;

  QImage& Canvas(int list) override;
  QRect ImageRect(int list, int image) const override;
  int ListDimension(int list, int which) const override;
  // -1 for a list number beyond the items.
  int ImageCount(int list) const override;
  bool IsValidImage(int list, int image) const override;
  void GetImage(int list, int image, QImage* bitmap) const override;
  bool IsMasked(int list) const override;
  QVector<QRgb> Palette(int list) const override;
  QColor TransparentColor(int list, int image) const override;
  QColor PixelColor(int list, int image, QPoint point) const override;
  void Draw(QPainter& canvas, int list, int image, QPoint at, bool enabled = true) const override;
  void DrawRect(QPainter& canvas, int list, int image, const QRect& target, unsigned flags) const override;
};

}  // namespace kit
