#pragma once
// Bitmaps in the kit's streams: the pixel formats an image list saves in, and
// bitmap files ("BM", a 40-byte info header, a colour table, rows bottom-up
// padded to 4 bytes) written at 1, 4, 8 or 24 bits.
//
// An image with a colour table of its own that the bits can index keeps its
// table and its pixels' indices. Other colours are brought to fewer bits by
// the nearest entry of a fixed table: black and white for 1 bit, the 16
// standard colours for 4, and 3-3-2 levels of red, green and blue for 8.

#include <QByteArray>
#include <QImage>
#include <cstdint>

namespace kit {

enum class TKitSavePixelFormat { spfDefault, spfMono, spf4bit, spf8bit, spf16bit };

// -1 (the bitmap's own format), 2, 16, 256 or 65536.
int PixelFormatCode(TKitSavePixelFormat format);
// The bits per pixel a code writes the image in: 2 gives 1, 16 gives 4, 256
// gives 8; any other code the image's own depth (1 for a monochrome image, 4
// for an indexed one of up to 16 colours, 8 for one of more, else 24).
int BitsForCode(int code, const QImage& image);

// The image as a bitmap file of so many bits per pixel (1, 4, 8 or 24).
// A null image raises EInvalidGraphic "Bitmap image is not valid".
QByteArray WriteBitmapFile(const QImage& image, int bitsPerPixel);
// Raises EInvalidGraphic when the bytes are no bitmap file.
QImage ReadBitmapFile(const QByteArray& bytes);

}  // namespace kit
