#include "IndexedImage.h"

#include <QImage>
#include <map>

namespace data::picture {
namespace {

constexpr int kOpaqueFrom = 128;
constexpr std::size_t kMostColours = 255;  // beside the transparent one

// The colour of a pixel with its channels' lowest `dropped` bits cleared.
GifColour Reduced(QRgb pixel, int dropped) {
  const int mask = 0xFF & ~((1 << dropped) - 1);
  return {static_cast<std::uint8_t>(qRed(pixel) & mask), static_cast<std::uint8_t>(qGreen(pixel) & mask),
          static_cast<std::uint8_t>(qBlue(pixel) & mask)};
}

std::uint32_t Key(GifColour colour) {
  return static_cast<std::uint32_t>(colour.red) << 16 | static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
}

// The opaque colours of the image, each with a place for its palette index.
std::map<std::uint32_t, std::uint8_t> OpaqueColours(const QImage& image, int dropped) {
  std::map<std::uint32_t, std::uint8_t> colours;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(row[x]) >= kOpaqueFrom) colours.emplace(Key(Reduced(row[x], dropped)), 0);
  }
  return colours;
}

}  // namespace

IndexedPicture IndexedImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  int dropped = 0;
  std::map<std::uint32_t, std::uint8_t> colours = OpaqueColours(image, dropped);
  while (colours.size() > kMostColours) colours = OpaqueColours(image, ++dropped);

  IndexedPicture picture;
  picture.width = image.width();
  picture.height = image.height();
  picture.transparent = 0;
  picture.palette.push_back({});
  for (auto& [key, index] : colours) {
    index = static_cast<std::uint8_t>(picture.palette.size());
    picture.palette.push_back({static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                               static_cast<std::uint8_t>(key)});
  }
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      picture.pixels.push_back(qAlpha(row[x]) >= kOpaqueFrom ? colours.at(Key(Reduced(row[x], dropped))) : 0);
  }
  return picture;
}

}  // namespace data::picture
