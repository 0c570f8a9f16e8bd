#pragma once
// The data of a list item in a stream: uncompressed, a 32-bit byte count and
// the bytes; compressed, the bytes in compressed-block framing. A bitmap's
// bytes are a bitmap file at the bits its pixel-format code gives.

#include <QByteArray>
#include <QIODevice>
#include <QImage>

namespace kit {

void WriteItemData(QIODevice& out, const QByteArray& data, bool compressed);
QByteArray ReadItemData(QIODevice& in, bool compressed);

void WriteBitmapData(QIODevice& out, const QImage& image, int pixelFormatCode, bool compressed);
QImage ReadBitmapData(QIODevice& in, bool compressed);

}  // namespace kit
