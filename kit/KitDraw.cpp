#include "KitDraw.h"

#include <cmath>
#include <vector>

#include "KitGeometry.h"

namespace kit {

namespace {

int FloorHalf(int value) { return static_cast<int>(std::floor(value / 2.0)); }

QImage WithTransparency(const QImage& bitmap, unsigned flags, const QColor& color, const QImage* mask,
                        const QColor& brush) {
  QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
  const bool masked = (flags & dfMask) && mask != nullptr && !mask->isNull();
  const QImage maskImage = masked ? mask->convertToFormat(QImage::Format_RGB32) : QImage();
  const QRgb key = color.rgb() & RGB_MASK;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (masked) {
        if (x < maskImage.width() && y < maskImage.height() && qGray(maskImage.pixel(x, y)) >= 128)
          image.setPixel(x, y, qRgba(0, 0, 0, 0));
      } else if ((flags & dfTransparent) && color.isValid() && (pixel & RGB_MASK) == key) {
        image.setPixel(x, y, qRgba(0, 0, 0, 0));
      } else if ((flags & dfBrushCopy) && color.isValid() && (pixel & RGB_MASK) == key) {
        image.setPixel(x, y, brush.rgb());
      }
    }
  }
  return image;
}

QRect Placement(QSize size, const QRect& target, unsigned flags) {
  if (flags & dfCenter) {
    return QRect(target.left() + FloorHalf(target.width() - size.width()),
                 target.top() + FloorHalf(target.height() - size.height()), size.width(), size.height());
  }
  if (flags & dfStretch) {
    const bool fullWidth = flags & dfFullWidth;
    const bool fullHeight = flags & dfFullHeight;
    if (fullWidth && fullHeight) return FitRect(size, target);
    if (fullWidth)
      return QRect(target.left(), target.top(), target.width(),
                   static_cast<int>(std::lround(static_cast<double>(target.width()) * size.height() / size.width())));
    if (fullHeight)
      return QRect(target.left(), target.top(),
                   static_cast<int>(std::lround(static_cast<double>(target.height()) * size.width() / size.height())),
                   target.height());
    return target;
  }
  return QRect(target.topLeft(), size);
}

}  // namespace

QRect DrawBitmap(QPainter& canvas, const QImage& bitmap, const QRect& target, unsigned flags, const QColor& color,
                 const QImage* mask) {
  if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) return target;
  QImage image = WithTransparency(bitmap, flags, color, mask, canvas.brush().color());
  if (flags & dfDisabled) ShadeDisabled(image, kShadeColor, 0, true);

  std::vector<QRect> places;
  QRect painted;
  if (flags & dfTile) {
    const int columns = target.width() / image.width() + 1;
    const int rows = target.height() / image.height() + 1;
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column)
        places.emplace_back(target.left() + column * image.width(), target.top() + row * image.height(), image.width(),
                            image.height());
    painted = QRect(target.topLeft(), QSize(columns * image.width(), rows * image.height()));
  } else {
    painted = Placement(image.size(), target, flags);
    places.push_back(painted);
  }

  canvas.save();
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
  canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (flags & dfClip) canvas.setClipRect(target, Qt::IntersectClip);
  for (const QRect& place : places) canvas.drawImage(place, image);
  canvas.restore();
  if (flags & dfClip) painted = painted.intersected(target);
  return painted.isEmpty() ? target : painted;
}

QImage SolidBitmap(QSize size, const QColor& color) {
  QImage bitmap(size, QImage::Format_RGB32);
  bitmap.fill(color);
  return bitmap;
}

void ShadeDisabled(QImage& image, const QColor& shade, int phase, bool onlyOpaque) {
  if (!shade.isValid()) return;
  if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
    image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((x + y + phase) % 2 != 0) continue;
      if (onlyOpaque && qAlpha(image.pixel(x, y)) == 0) continue;
      image.setPixel(x, y, shade.rgb());
    }
  }
}

}  // namespace kit
