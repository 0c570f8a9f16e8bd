#pragma once
// What users of an image list call: each operation takes the list number (an
// item of the container) first. Image lists keep many images per item, bitmap
// lists one.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QVector>

#include "KitCustomContainer.h"
#include "KitDib.h"

namespace kit {

class TKitCustomImageList : public TKitCustomContainer {
 public:
  TKitCustomImageList(QObject* owner, TKitListType listType);

  TKitSavePixelFormat DefaultPixelFormat = TKitSavePixelFormat::spfDefault;

  // The bitmap of the list to paint on: an image list's strip, a bitmap
  // list's bitmap. Painting there notifies no one. A list that is not there
  // raises EListError.
  virtual QImage& Canvas(int list) = 0;

  // The image's rectangle in its item's strip.
  virtual QRect ImageRect(int list, int image) const = 0;
  // which: 0 width, 1 height.
  virtual int ListDimension(int list, int which) const = 0;
  virtual int ImageCount(int list) const = 0;
  virtual bool IsValidImage(int list, int image) const = 0;
  // Copies the image into bitmap (nothing for a null bitmap); a list or
  // image that is not there raises EListError.
  virtual void GetImage(int list, int image, QImage* bitmap) const = 0;
  virtual bool IsMasked(int list) const = 0;
  // The colour table of the list's bitmap (empty for true colour).
  virtual QVector<QRgb> Palette(int list) const = 0;
  // The colour of the image's bottom-left pixel; white when there is none.
  virtual QColor TransparentColor(int list, int image) const = 0;
  virtual QColor PixelColor(int list, int image, QPoint point) const = 0;
  // Draws the image with its top-left corner at the point.
  virtual void Draw(QPainter& canvas, int list, int image, QPoint at, bool enabled = true) const = 0;
  // Draws the image into the rectangle with the flags of DrawBitmap.
  virtual void DrawRect(QPainter& canvas, int list, int image, const QRect& target, unsigned flags) const = 0;
  // DrawRect, with the disabled look when not enabled.
  void DrawState(QPainter& canvas, int list, int image, const QRect& target, unsigned flags, bool enabled) const;

 protected:
  void AssignSettings(const TKitCustomContainer& source) override;
};

}  // namespace kit
