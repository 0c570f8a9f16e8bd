#include "KitBitmapList.h"

#include "KitDraw.h"
#include "KitErrors.h"

namespace kit {

TKitBitmapList::TKitBitmapList(QObject* owner) : ContainerOf(owner, TKitListType::ltBitmapList) {}

TKitBitmapListItem& TKitBitmapList::BitmapItem(int list) const { return static_cast<TKitBitmapListItem&>(Item(list)); }

const QImage& TKitBitmapList::Picture(int list, int image) const {
  TKitBitmapListItem& item = BitmapItem(list);
  if (image != 0) throw EListError(ListIndexMessage(image));
  return item.Bitmap();
}

QImage& TKitBitmapList::Canvas(int list) { return BitmapItem(list).Canvas(); }

QRect TKitBitmapList::ImageRect(int list, int image) const { return Picture(list, image).rect(); }

int TKitBitmapList::ListDimension(int list, int which) const {
  const QImage& picture = BitmapItem(list).Bitmap();
  return which == 0 ? picture.width() : picture.height();
}

int TKitBitmapList::ImageCount(int list) const {
  if (list < 0 || list >= Count()) return 0;
  return BitmapItem(list).Bitmap().isNull() ? 0 : 1;
}

bool TKitBitmapList::IsValidImage(int list, int image) const { return image == 0 && ImageCount(list) == 1; }

void TKitBitmapList::GetImage(int list, int image, QImage* bitmap) const {
  const QImage& picture = Picture(list, image);
  if (bitmap != nullptr) *bitmap = picture;
}

bool TKitBitmapList::IsMasked(int) const { return false; }

QVector<QRgb> TKitBitmapList::Palette(int list) const { return BitmapItem(list).Bitmap().colorTable(); }

QColor TKitBitmapList::TransparentColor(int list, int image) const {
  if (!IsValidImage(list, image)) return Qt::white;
  const QImage& picture = Picture(list, image);
  return picture.pixelColor(0, picture.height() - 1);
}

QColor TKitBitmapList::PixelColor(int list, int image, QPoint point) const {
  const QImage& picture = Picture(list, image);
  return picture.valid(point) ? picture.pixelColor(point) : QColor(Qt::white);
}

void TKitBitmapList::Draw(QPainter& canvas, int list, int image, QPoint at, bool enabled) const {
  const QImage& picture = Picture(list, image);
  DrawBitmap(canvas, picture, QRect(at, picture.size()), enabled ? 0u : unsigned{dfDisabled});
}

void TKitBitmapList::DrawRect(QPainter& canvas, int list, int image, const QRect& target, unsigned flags) const {
  DrawBitmap(canvas, Picture(list, image), target, flags, TransparentColor(list, image));
}

}  // namespace kit
