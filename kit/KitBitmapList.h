#pragma once
// A list of bitmaps: list number N is item N, which holds one image.

#include <cstdint>

#include "ContainerOf.h"
#include "KitBitmapListItem.h"
#include "KitCustomImageList.h"

namespace kit {

enum class TKitBitmapSource : std::uint8_t { bsNone = 0, bsListFile = 1, bsProgram = 2, bsLibrary = 3, bsFile = 4 };

class TKitBitmapList : public ContainerOf<TKitBitmapList, TKitBitmapListItem, TKitCustomImageList> {
 public:
  explicit TKitBitmapList(QObject* owner);

  // Where empty bitmaps are fetched from (see the item).
  TKitBitmapSource BitmapSource = TKitBitmapSource::bsNone;

  // Raises EListError for a list number beyond the items.
  TKitBitmapListItem& BitmapItem(int list) const;

  QImage& Canvas(int list) override;
  QRect ImageRect(int list, int image) const override;
  int ListDimension(int list, int which) const override;
  // 1 for a non-empty bitmap; 0 for an empty one and beyond the items.
  int ImageCount(int list) const override;
  bool IsValidImage(int list, int image) const override;
  void GetImage(int list, int image, QImage* bitmap) const override;
  bool IsMasked(int list) const override;
  QVector<QRgb> Palette(int list) const override;
  QColor TransparentColor(int list, int image) const override;
  QColor PixelColor(int list, int image, QPoint point) const override;
  void Draw(QPainter& canvas, int list, int image, QPoint at, bool enabled = true) const override;
  void DrawRect(QPainter& canvas, int list, int image, const QRect& target, unsigned flags) const override;

 private:
  // The list's bitmap, which must be image 0.
  const QImage& Picture(int list, int image) const;
};

}  // namespace kit
