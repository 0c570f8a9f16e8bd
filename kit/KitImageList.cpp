#include "KitImageList.h"

#include "KitDraw.h"

namespace kit {

TKitImageList::TKitImageList(QObject* owner) : ContainerOf(owner, TKitListType::ltImageList) {}

TKitImageListItem& TKitImageList::ImageItem(int list) const { return static_cast<TKitImageListItem&>(Item(list)); }

QImage& TKitImageList::Canvas(int list) { return ImageItem(list).Canvas(); }

QRect TKitImageList::ImageRect(int list, int image) const { return ImageItem(list).ImageRect(image); }

int TKitImageList::ListDimension(int list, int which) const {
  const TKitImageListItem& item = ImageItem(list);
  return which == 0 ? item.Width() : item.Height();
}

int TKitImageList::ImageCount(int list) const {
  if (list < 0 || list >= Count()) return -1;
  return ImageItem(list).ImageCount();
}

bool TKitImageList::IsValidImage(int list, int image) const {
  return list >= 0 && list < Count() && image >= 0 && image < ImageItem(list).ImageCount();
}

void TKitImageList::GetImage(int list, int image, QImage* bitmap) const {
  const QImage picture = ImageItem(list).Image(image);
  if (bitmap != nullptr) *bitmap = picture;
}

bool TKitImageList::IsMasked(int list) const { return ImageItem(list).Masked(); }

QVector<QRgb> TKitImageList::Palette(int list) const { return ImageItem(list).Strip().colorTable(); }

QColor TKitImageList::TransparentColor(int list, int image) const {
  if (!IsValidImage(list, image)) return Qt::white;
  const QRect rect = ImageRect(list, image);
  return ImageItem(list).Strip().pixelColor(rect.left(), rect.bottom());
}

QColor TKitImageList::PixelColor(int list, int image, QPoint point) const {
  const QRect rect = ImageRect(list, image);
  if (!rect.contains(rect.topLeft() + point)) return Qt::white;
  return ImageItem(list).Strip().pixelColor(rect.topLeft() + point);
}

void TKitImageList::Draw(QPainter& canvas, int list, int image, QPoint at, bool enabled) const {
  ImageItem(list).Draw(canvas, image, at, enabled);
}

void TKitImageList::DrawRect(QPainter& canvas, int list, int image, const QRect& target, unsigned flags) const {
  const TKitImageListItem& item = ImageItem(list);
  const QImage picture = item.Image(image);
  const QImage mask = item.ImageMask(image);
  if (!mask.isNull()) {
    DrawBitmap(canvas, picture, target, flags | dfMask, QColor(), &mask);
  } else {
    DrawBitmap(canvas, picture, target, flags, TransparentColor(list, image));
  }
}

}  // namespace kit
