#pragma once
// The kit's bitmap drawing routine, which both kinds of image list draw with.
//
// Placement: dfCenter own size centred (halves rounded down); dfStretch to
// the target, keeping the aspect with dfFullWidth and dfFullHeight both set,
// full width (height from the aspect) with dfFullWidth alone, full height with
// dfFullHeight alone; dfTile side by side from the top-left corner, one column
// and row beyond what fits; else own size at the top-left corner.
// Transparency: dfMask shows the canvas where the mask is white; dfTransparent
// where the bitmap has the given colour; dfBrushCopy paints the canvas's brush
// where the bitmap has the given colour. dfDisabled shades every other pixel
// in a checkerboard; dfClip keeps the drawing inside the target.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

namespace kit {

enum TKitDrawFlag : unsigned {
  dfClip = 0x0001,
  dfCenter = 0x0008,
  dfStretch = 0x0010,
  dfTile = 0x0020,
  dfTransparent = 0x0040,
  dfBrushCopy = 0x0080,
  dfMask = 0x0100,
  dfFullHeight = 0x0200,
  dfFullWidth = 0x0400,
  dfDisabled = 0x1000,
};

inline const QColor kShadeColor{128, 128, 128};

// Draws the bitmap into the target and returns the rectangle painted (the
// whole target when that comes out empty).
QRect DrawBitmap(QPainter& canvas, const QImage& bitmap, const QRect& target, unsigned flags,
                 const QColor& color = QColor(), const QImage* mask = nullptr);

// A bitmap of the size in one colour.
QImage SolidBitmap(QSize size, const QColor& color);

// Sets every other pixel, in a checkerboard whose phase is 0 or 1, to the
// shade; with onlyOpaque the transparent pixels stay as they are. An invalid
// shade colour shades nothing.
void ShadeDisabled(QImage& image, const QColor& shade, int phase, bool onlyOpaque);

}  // namespace kit
