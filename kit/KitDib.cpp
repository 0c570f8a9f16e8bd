#include "KitDib.h"

#include <array>
#include <limits>

#include "KitErrors.h"
#include "KitStreams.h"

namespace kit {

namespace {

constexpr std::array<QRgb, 16> kStandardColors = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0), qRgb(0, 0, 128),   qRgb(128, 0, 128),
    qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QVector<QRgb> ColorTable(int bits) {
  QVector<QRgb> table;
  switch (bits) {
    case 1:
      table = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
      break;
    case 4:
      table = QVector<QRgb>(kStandardColors.begin(), kStandardColors.end());
      break;
    case 8:
      for (int i = 0; i < 256; ++i) table.push_back(qRgb((i >> 5) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3));
      break;
    default:
      break;
  }
  return table;
}

int Nearest(const QVector<QRgb>& table, QRgb color) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < table.size(); ++i) {
    const int dr = qRed(color) - qRed(table[i]);
    const int dg = qGreen(color) - qGreen(table[i]);
    const int db = qBlue(color) - qBlue(table[i]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

// The image's own colour table when it has one that the bits can index,
// else none.
QVector<QRgb> OwnColorTable(const QImage& image, int bits) {
  if (bits == 24 || image.colorCount() == 0 || image.colorCount() > (1 << bits)) return {};
  return image.colorTable();
}

// Where each pixel goes in a file of fewer than 24 bits: the index into the
// image's own colour table when that fits, else the nearest entry of a fixed
// table.
class PaletteMapping {
 public:
  PaletteMapping(const QImage& image, const QImage& rgb, int bits)
      : image_(image), rgb_(rgb), bits_(bits), own_(OwnColorTable(image, bits)) {
    table_ = own_.isEmpty() ? ColorTable(bits) : own_;
    table_.resize(bits == 24 ? 0 : (1 << bits), qRgb(0, 0, 0));
  }

  // The entries written, 2 to the power of the bits of them (none at 24 bits).
  const QVector<QRgb>& Table() const { return table_; }

  int IndexOf(int x, int y) const {
    if (!own_.isEmpty()) {
      const int index = image_.pixelIndex(x, y);
      if (index < own_.size()) return index;
    }
    const QRgb color = rgb_.pixel(x, y);
    if (bits_ == 8 && own_.isEmpty())
      return ((qRed(color) >> 5) << 5) | ((qGreen(color) >> 5) << 2) | (qBlue(color) >> 6);
    return Nearest(table_, color);
  }

 private:
  const QImage& image_;
  const QImage& rgb_;  // the image's colours
  int bits_;
  QVector<QRgb> own_;
  QVector<QRgb> table_;
};

void Put16(QByteArray& out, std::uint32_t value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}


}  // namespace

int PixelFormatCode(TKitSavePixelFormat format) {
  switch (format) {
    case TKitSavePixelFormat::spfDefault:
      return -1;
    case TKitSavePixelFormat::spfMono:
      return 2;
    case TKitSavePixelFormat::spf4bit:
      return 16;
    case TKitSavePixelFormat::spf8bit:
      return 256;
    case TKitSavePixelFormat::spf16bit:
      return 65536;
  }
  return -1;
}

int BitsForCode(int code, const QImage& image) {
  switch (code) {
    case 2:
      return 1;
    case 16:
      return 4;
    case 256:
      return 8;
    default:
      break;
  }
  if (image.depth() == 1) return 1;
  if (image.format() == QImage::Format_Indexed8) return image.colorCount() <= 16 ? 4 : 8;
  return 24;
}

QByteArray WriteBitmapFile(const QImage& image, int bitsPerPixel) {
  if (image.isNull()) throw EInvalidGraphic("Bitmap image is not valid");
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  const PaletteMapping palette(image, rgb, bitsPerPixel);
  const auto rowSize = static_cast<std::uint32_t>(((width * bitsPerPixel + 31) / 32) * 4);
  const auto bitsOffset = static_cast<std::uint32_t>(14 + 40 + 4 * palette.Table().size());
  const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);

  QByteArray out;
  out.append("BM");
  AppendUInt32(out, bitsOffset + imageSize);
  AppendUInt32(out, 0);
  AppendUInt32(out, bitsOffset);
  AppendUInt32(out, 40);
  AppendUInt32(out, static_cast<std::uint32_t>(width));
  AppendUInt32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  AppendUInt32(out, 0);
  AppendUInt32(out, imageSize);
  AppendUInt32(out, 0);
  AppendUInt32(out, 0);
  AppendUInt32(out, 0);
  AppendUInt32(out, 0);
  for (QRgb color : palette.Table()) {
    out.append(static_cast<char>(qBlue(color)));
    out.append(static_cast<char>(qGreen(color)));
    out.append(static_cast<char>(qRed(color)));
    out.append('\0');
  }
  for (int y = height - 1; y >= 0; --y) {
    QByteArray row(static_cast<qsizetype>(rowSize), '\0');
    for (int x = 0; x < width; ++x) {
      if (bitsPerPixel == 24) {
        const QRgb color = rgb.pixel(x, y);
        row[x * 3] = static_cast<char>(qBlue(color));
        row[x * 3 + 1] = static_cast<char>(qGreen(color));
        row[x * 3 + 2] = static_cast<char>(qRed(color));
        continue;
      }
      const int index = palette.IndexOf(x, y);
      const int bit = x * bitsPerPixel;
      const int shift = 8 - bitsPerPixel - bit % 8;
      row[bit / 8] = static_cast<char>(static_cast<std::uint8_t>(row[bit / 8]) | (index << shift));
    }
    out.append(row);
  }
  return out;
}

QImage ReadBitmapFile(const QByteArray& bytes) {
  QImage image = QImage::fromData(bytes, "BMP");
  if (image.isNull()) throw EInvalidGraphic("Bitmap image is not valid");
  return image;
}

}  // namespace kit
