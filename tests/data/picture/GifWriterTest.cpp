// The GIF writer and the reading of Qt images into it, checked by reading
// the files back with Qt's GIF reader: sizes, colours and transparency, and
// pictures big and varied enough that the codes grow to twelve bits and the
// code table fills and starts again.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <random>

#include "data/picture/GifWriter.h"
#include "data/picture/IndexedImage.h"

namespace data::picture {
namespace {

QImage Read(const std::string& bytes) {
  QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer, "gif");
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}

IndexedPicture Picture(int width, int height, std::size_t colours, std::uint32_t seed, int runLength = 1) {
  IndexedPicture picture{width, height, {}, {}, {}};
  for (std::size_t i = 0; i < colours; ++i)
    picture.palette.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                               static_cast<std::uint8_t>(i * 37)});
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> index(0, static_cast<int>(colours) - 1);
  int value = 0;
  for (int i = 0; i < width * height; ++i) {
    if (i % runLength == 0) value = index(random);
    picture.pixels.push_back(static_cast<std::uint8_t>(value));
  }
  return picture;
}

// Every pixel of the file as the picture has it.
void ExpectReadsBack(const IndexedPicture& picture) {
  const std::string bytes = GifBytes(picture);
  ASSERT_TRUE(bytes.starts_with("GIF89a"));
  ASSERT_EQ(bytes.back(), '\x3B');
  const QImage image = Read(bytes);
  ASSERT_EQ(image.width(), picture.width);
  ASSERT_EQ(image.height(), picture.height);
  int wrong = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t index = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
      const QRgb pixel = image.pixel(x, y);
      const GifColour colour = picture.palette[index];
      const bool right = picture.transparent == index
                             ? qAlpha(pixel) == 0
                             : qAlpha(pixel) == 255 && qRed(pixel) == colour.red && qGreen(pixel) == colour.green &&
                                   qBlue(pixel) == colour.blue;
      if (!right && ++wrong <= 3) ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
    }
  }
}

TEST(GifWriter, PicturesReadBackPixelForPixel) {
  struct Case {
    const char* name;
    IndexedPicture picture;
  };
  IndexedPicture transparent = Picture(7, 5, 3, 2);
  transparent.transparent = 1;
  const Case cases[] = {
      {"one pixel, one colour", Picture(1, 1, 1, 1)},
      {"two colours in a row", Picture(9, 1, 2, 7)},
      {"three colours, one see-through", transparent},
      {"a 32-colour picture", Picture(40, 30, 32, 3)},
      // Long runs of one colour make long codes of few pixels' worth.
      {"long runs", Picture(500, 20, 4, 4, 97)},
      // Noise fills the 4096 codes many times over.
      {"256 colours of noise", Picture(200, 150, 256, 5)},
      {"a side of 65535", Picture(65535, 1, 2, 6, 3000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectReadsBack(c.picture);
  }
}

TEST(GifWriter, HeaderHoldsSizeTableAndTransparency) {
  IndexedPicture picture = Picture(300, 2, 5, 8);
  picture.transparent = 4;
  const std::string bytes = GifBytes(picture);
  ASSERT_GT(bytes.size(), 13u + 24u + 8u);
  EXPECT_EQ(bytes.substr(0, 10), std::string("GIF89a\x2C\x01\x02\x00", 10));  // 300 x 2
  EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 0xF2u);  // a global table of 8 colours
  // The eight colours, the last three unused and black; then the extension.
  EXPECT_EQ(bytes.substr(13 + 15, 9), std::string(9, '\0'));
  EXPECT_EQ(bytes.substr(37, 8), std::string("\x21\xF9\x04\x01\x00\x00\x04\x00", 8));
}

TEST(GifWriter, PicturesTheFormatCannotHoldGiveNothing) {
  IndexedPicture valid = Picture(2, 2, 2, 9);
  ASSERT_FALSE(GifBytes(valid).empty());
  struct Case {
    const char* name;
    void (*spoil)(IndexedPicture&);
  };
  const Case cases[] = {
      {"no width", [](IndexedPicture& p) { p.width = 0; }},
      {"a side above 65535", [](IndexedPicture& p) { p.width = 65536; }},
      {"too few pixels", [](IndexedPicture& p) { p.pixels.pop_back(); }},
      {"no palette", [](IndexedPicture& p) { p.palette.clear(); }},
      {"257 colours", [](IndexedPicture& p) { p.palette.resize(257); }},
      {"an index beyond the palette", [](IndexedPicture& p) { p.pixels[3] = 2; }},
      {"a transparent index beyond the palette", [](IndexedPicture& p) { p.transparent = 2; }},
  };
  for (const Case& c : cases) {
    IndexedPicture picture = valid;
    c.spoil(picture);
    EXPECT_TRUE(GifBytes(picture).empty()) << c.name;
  }
}

TEST(IndexedImage, HalfTransparentPixelsGoClearTheOthersKeepTheirColour) {
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(10, 20, 30, 255));
  image.setPixel(1, 0, qRgba(200, 100, 50, 128));
  image.setPixel(2, 0, qRgba(200, 100, 50, 127));
  const IndexedPicture picture = IndexedImage(image);
  ASSERT_EQ(picture.transparent, std::optional<std::uint8_t>(0));
  ASSERT_EQ(picture.pixels.size(), 3u);
  EXPECT_EQ(picture.pixels[2], 0);
  EXPECT_EQ(picture.palette.at(picture.pixels[0]), (GifColour{10, 20, 30}));
  EXPECT_EQ(picture.palette.at(picture.pixels[1]), (GifColour{200, 100, 50}));
}

TEST(IndexedImage, ManyColoursAreReducedToAPaletteCloseToThem) {
  QImage image(64, 64, QImage::Format_ARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) image.setPixel(x, y, qRgb(x * 4, y * 4, (x ^ y) * 4));
  const IndexedPicture picture = IndexedImage(image);
  ASSERT_LE(picture.palette.size(), 256u);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const GifColour colour = picture.palette.at(picture.pixels[static_cast<std::size_t>(y * 64 + x)]);
      const QRgb source = image.pixel(x, y);
      ASSERT_LE(qRed(source) - colour.red, 63) << x << "," << y;
      ASSERT_GE(qRed(source) - colour.red, 0);
      ASSERT_LE(qBlue(source) - colour.blue, 63);
      ASSERT_GE(qBlue(source) - colour.blue, 0);
    }
  }
  ExpectReadsBack(picture);
}

}  // namespace
}  // namespace data::picture
