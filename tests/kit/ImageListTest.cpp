// Image and bitmap lists: what their users ask, their items' images, the
// bitmap files they store, and drawing.

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include "KitTesting.h"
#include "TempFolder.h"
#include "kit/KitBitmapList.h"
#include "kit/KitDib.h"
#include "kit/KitDraw.h"
#include "kit/KitErrors.h"
#include "kit/KitImageList.h"
#include "kit/KitListFile.h"

namespace {

using kit::TKitImageListItem;
using kit_testing::Bytes;
using kit_testing::Le32;

// A strip of images 4 wide and 2 high, one colour each.
QImage Strip(std::initializer_list<QColor> colors) {
  QImage strip(4 * static_cast<int>(colors.size()), 2, QImage::Format_RGB32);
  int x = 0;
  for (const QColor& color : colors) {
    for (int dx = 0; dx < 4; ++dx)
      for (int y = 0; y < 2; ++y) strip.setPixelColor(x + dx, y, color);
    x += 4;
  }
  return strip;
}

TKitImageListItem& AddFrames(kit::TKitImageList& list, std::initializer_list<QColor> colors) {
  auto& item = static_cast<TKitImageListItem&>(list.Add());
  item.SetWidth(4);
  item.SetHeight(2);
  item.LoadStrip(Strip(colors), static_cast<int>(colors.size()));
  return item;
}

TEST(ImageList, ImagesByListAndNumber) {
  kit::TKitImageList list(nullptr);
  AddFrames(list, {Qt::red, Qt::green, Qt::blue});
  EXPECT_EQ(list.ImageCount(0), 3);
  EXPECT_EQ(list.ImageCount(1), -1);
  EXPECT_EQ(list.ImageCount(-1), -1);
  EXPECT_EQ(list.ImageRect(0, 2), QRect(8, 0, 4, 2));
  EXPECT_EQ(list.ListDimension(0, 0), 4);
  EXPECT_EQ(list.ListDimension(0, 1), 2);
  EXPECT_TRUE(list.IsValidImage(0, 2));
  EXPECT_FALSE(list.IsValidImage(0, 3));

  QImage image;
  list.GetImage(0, 1, &image);
  EXPECT_EQ(image.size(), QSize(4, 2));
  EXPECT_EQ(image.pixelColor(3, 1), QColor(Qt::green));
  list.GetImage(0, 1, nullptr);
  EXPECT_THROW(list.GetImage(1, 0, &image), kit::EListError);
  EXPECT_THROW(list.GetImage(0, 3, &image), kit::EListError);
  EXPECT_THROW(list.GetImage(0, 3, nullptr), kit::EListError);

  EXPECT_EQ(list.TransparentColor(0, 2), QColor(Qt::blue));
  EXPECT_EQ(list.TransparentColor(0, 9), QColor(Qt::white));
  EXPECT_EQ(list.PixelColor(0, 0, QPoint(1, 1)), QColor(Qt::red));
}

TEST(ImageList, ABitmapListHoldsOneImagePerItem) {
  kit::TKitBitmapList list(nullptr);
  auto& item = static_cast<kit::TKitBitmapListItem&>(list.Add());
  list.Add();
  item.SetBitmap(Strip({Qt::red}));
  EXPECT_EQ(list.ImageCount(0), 1);
  EXPECT_EQ(list.ImageCount(1), 0);
  EXPECT_EQ(list.ImageCount(2), 0);
  EXPECT_FALSE(list.IsMasked(0));
  QImage image;
  list.GetImage(0, 0, &image);
  EXPECT_EQ(image, item.Bitmap());
  EXPECT_THROW(list.GetImage(2, 0, &image), kit::EListError);
  EXPECT_THROW(list.GetImage(0, 1, &image), kit::EListError);
}

TEST(ImageList, PaintingOnTheCanvasChangesTheListsImages) {
  kit::TKitImageList images(nullptr);
  AddFrames(images, {Qt::red, Qt::green});
  QPainter(&images.Canvas(0)).fillRect(QRect(4, 0, 4, 2), Qt::yellow);
  QImage image;
  images.GetImage(0, 1, &image);
  EXPECT_EQ(image.pixelColor(2, 1), QColor(Qt::yellow));
  EXPECT_EQ(images.TransparentColor(0, 0), QColor(Qt::red));

  kit::TKitBitmapList bitmaps(nullptr);
  static_cast<kit::TKitBitmapListItem&>(bitmaps.Add()).SetBitmap(Strip({Qt::red}));
  QPainter(&bitmaps.Canvas(0)).fillRect(QRect(0, 0, 1, 1), Qt::blue);
  EXPECT_EQ(bitmaps.PixelColor(0, 0, QPoint(0, 0)), QColor(Qt::blue));

  EXPECT_THROW(images.Canvas(1), kit::EListError);
  EXPECT_THROW(bitmaps.Canvas(1), kit::EListError);
}

TEST(ImageListItem, ANewSizeClearsTheImagesAndMaskingRebuildsThem) {
  kit::TKitImageList list(nullptr);
  TKitImageListItem& item = AddFrames(list, {Qt::red, Qt::green});
  int changes = 0;
  item.OnChange = [&](QObject*) { ++changes; };
  int listChanges = 0;
  list.OnChange = [&](QObject*) { ++listChanges; };

  item.SetMasked(true);
  EXPECT_TRUE(item.Records()[1].masked);
  EXPECT_EQ(item.MaskStrip().size(), QSize(8, 2));
  EXPECT_EQ(item.MaskStrip().depth(), 1);
  item.SetMasked(false);
  EXPECT_TRUE(item.MaskStrip().isNull());
  item.SetWidth(4);  // unchanged
  item.SetWidth(0);  // not positive
  EXPECT_EQ(item.ImageCount(), 2);
  item.SetWidth(8);
  EXPECT_EQ(item.ImageCount(), 0);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(listChanges, 3);  // an item's change tells its list
}

TEST(ImageListItem, AddingImagesOfAnotherItem) {
  kit::TKitImageList list(nullptr);
  TKitImageListItem& target = AddFrames(list, {Qt::red});
  TKitImageListItem& source = AddFrames(list, {Qt::green, Qt::blue});
  target.AddImages(source);
  ASSERT_EQ(target.ImageCount(), 3);
  EXPECT_EQ(target.Records()[2].offset, 8);
  EXPECT_EQ(target.Image(2).pixelColor(0, 0), QColor(Qt::blue));
  EXPECT_EQ(target.Image(0).pixelColor(0, 0), QColor(Qt::red));

  // An item doubles its own images.
  target.AddImages(target);
  ASSERT_EQ(target.ImageCount(), 6);
  EXPECT_EQ(target.Records()[5].offset, 20);
  EXPECT_EQ(target.Image(3).pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(target.Image(5).pixelColor(3, 1), QColor(Qt::blue));

  TKitImageListItem empty;
  empty.SetWidth(4);
  empty.SetHeight(2);
  target.AddImages(empty);
  EXPECT_EQ(target.ImageCount(), 6);

  TKitImageListItem other;
  try {
    target.AddImages(other);
    FAIL();
  } catch (const kit::EInvalidGraphicOperation& error) {
    EXPECT_STREQ(error.what(), "Invalid image size");
  }

  TKitImageListItem wide, wideSource;
  for (auto* item : {&wide, &wideSource}) {
    item->SetWidth(4096);
    item->SetHeight(1);
  }
  wide.LoadStrip(QImage(4096 * 5, 1, QImage::Format_RGB32), 5);
  wideSource.LoadStrip(QImage(4096 * 4, 1, QImage::Format_RGB32), 4);
  try {
    wide.AddImages(wideSource);
    FAIL();
  } catch (const kit::EInvalidGraphicOperation& error) {
    EXPECT_STREQ(error.what(), "Too many images");
  }
}

TEST(ImageListItem, AnyGrowthStepGrowsTheStripToWhatItNeeds) {
  // AllocBy comes from the stream as it stands: a huge or negative step
  // still grows the strip just enough, up to its 32768 pixels.
  for (int allocBy : {0x7FFFFFFF, 0x10000000, -5, 0}) {
    kit::TKitImageList list(nullptr);
    TKitImageListItem& target = AddFrames(list, {Qt::red});
    TKitImageListItem& source = AddFrames(list, {Qt::green, Qt::blue});
    target.AllocBy = allocBy;
    target.AddImages(source);
    ASSERT_EQ(target.ImageCount(), 3) << allocBy;
    EXPECT_GE(target.Strip().width(), 12) << allocBy;
    EXPECT_LE(target.Strip().width(), TKitImageListItem::kLongestStrip) << allocBy;
    EXPECT_EQ(target.Image(2).pixelColor(0, 0), QColor(Qt::blue)) << allocBy;
  }
}

TEST(ImageListItem, StripsSurviveTheStreamInEveryForm) {
  for (bool compressed : {false, true}) {
    for (auto format : {kit::TKitSavePixelFormat::spfDefault, kit::TKitSavePixelFormat::spf4bit,
                        kit::TKitSavePixelFormat::spf8bit}) {
      TKitImageListItem item;
      item.SetWidth(4);
      item.SetHeight(2);
      item.SetMasked(true);
      QImage mask(8, 2, QImage::Format_RGB32);
      mask.fill(Qt::black);
      mask.setPixelColor(5, 1, Qt::white);
      item.LoadStrip(Strip({Qt::red, Qt::blue}), 2, mask);
      item.Compressed = compressed;
      item.PixelFormat = format;
      const QByteArray written = kit_testing::Written([&](QIODevice& out) { item.WriteItem(out); });
      EXPECT_EQ(static_cast<std::uint8_t>(written[0]), kit::PixelFormatFlags(format) | (compressed ? 1 : 0));

      TKitImageListItem read;
      kit_testing::Reading in(written);
      read.ReadItem(in.Stream());
      ASSERT_EQ(read.ImageCount(), 2);
      EXPECT_EQ(read.PixelFormat, format);
      EXPECT_TRUE(read.Masked());
      EXPECT_EQ(read.Image(1).pixelColor(2, 0), QColor(Qt::blue));
      EXPECT_EQ(qGray(read.ImageMask(1).pixel(1, 1)), 255);
      EXPECT_EQ(qGray(read.ImageMask(1).pixel(0, 1)), 0);
    }
  }
}

TEST(BitmapFile, OneBitAndTwentyFourBitsLaidOutByHand) {
  QImage checker(2, 2, QImage::Format_RGB32);
  checker.setPixelColor(0, 0, Qt::black);
  checker.setPixelColor(1, 0, Qt::white);
  checker.setPixelColor(0, 1, Qt::white);
  checker.setPixelColor(1, 1, Qt::black);
  const QByteArray info = Le32(40) + Le32(2) + Le32(2) + Bytes({1, 0, 1, 0}) + Le32(0) + Le32(8) + Le32(0) + Le32(0) +
                          Le32(0) + Le32(0);
  // Rows bottom-up, 4 bytes each: white black (10), then black white (01).
  const QByteArray oneBit = QByteArray("BM") + Le32(70) + Le32(0) + Le32(62) + info +
                            Bytes({0, 0, 0, 0, 255, 255, 255, 0}) + Bytes({0x80, 0, 0, 0, 0x40, 0, 0, 0});
  EXPECT_EQ(kit::WriteBitmapFile(checker, kit::BitsForCode(2, checker)), oneBit);
  EXPECT_EQ(kit::ReadBitmapFile(oneBit).pixelColor(1, 0), QColor(Qt::white));

  QImage red(1, 1, QImage::Format_RGB32);
  red.fill(QColor(255, 0, 0));
  const QByteArray info24 = Le32(40) + Le32(1) + Le32(1) + Bytes({1, 0, 24, 0}) + Le32(0) + Le32(4) + Le32(0) +
                            Le32(0) + Le32(0) + Le32(0);
  const QByteArray twentyFour = QByteArray("BM") + Le32(58) + Le32(0) + Le32(54) + info24 + Bytes({0, 0, 255, 0});
  EXPECT_EQ(kit::WriteBitmapFile(red, kit::BitsForCode(-1, red)), twentyFour);
  EXPECT_EQ(kit::WriteBitmapFile(red, kit::BitsForCode(65536, red)), twentyFour);

  EXPECT_THROW(kit::WriteBitmapFile(QImage(), 24), kit::EInvalidGraphic);
  EXPECT_THROW(kit::ReadBitmapFile("BM nonsense"), kit::EInvalidGraphic);
  EXPECT_EQ(kit::BitsForCode(16, red), 4);
  EXPECT_EQ(kit::BitsForCode(256, red), 8);
}

// An image of indices into a colour table of its own, every entry used.
QImage PaletteImage(QImage::Format format, const QVector<QRgb>& colors) {
  QImage image(static_cast<int>(colors.size()) + 3, 3, format);
  image.setColorTable(colors);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, static_cast<uint>((x + y) % colors.size()));
  return image;
}

QVector<QRgb> Colors(int count) {
  QVector<QRgb> colors{qRgb(10, 200, 30)};  // no fixed table holds it
  for (int i = 1; i < count; ++i) colors.push_back(qRgb((i * 37) % 256, (i * 101 + 7) % 256, 255 - i % 256));
  return colors;
}

TEST(BitmapListItem, TheDefaultFormatGivesBackEveryPixelWithItsOwnPaletteAndDepth) {
  QImage trueColor(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) trueColor.setPixel(x, y, qRgb(10 + x * 40, 200 - y * 50, 30 + x * y));
  const struct {
    const char* name;
    QImage image;
    int bits;  // of the file written
  } cases[] = {
      {"1 bit, red and blue", PaletteImage(QImage::Format_Mono, {qRgb(255, 0, 0), qRgb(0, 0, 255)}), 1},
      {"4 bits", PaletteImage(QImage::Format_Indexed8, Colors(16)), 4},
      {"4 bits, fewer colours", PaletteImage(QImage::Format_Indexed8, Colors(5)), 4},
      {"8 bits", PaletteImage(QImage::Format_Indexed8, Colors(256)), 8},
      {"24 bits", trueColor, 24},
  };
  for (const auto& c : cases) {
    for (bool compressed : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (compressed ? ", compressed" : ""));
      kit::TKitBitmapListItem item;
      item.SetBitmap(c.image);
      item.Compressed = compressed;
      const QByteArray written = kit_testing::Written([&](QIODevice& out) { item.WriteItem(out); });
      // The flags byte, the data's byte count, then the bitmap file with its bit count at 28.
      if (!compressed) {
        EXPECT_EQ(static_cast<int>(written[1 + 4 + 28]), c.bits);
      }

      kit::TKitBitmapListItem read;
      kit_testing::Reading in(written);
      read.ReadItem(in.Stream());
      const QImage& bitmap = read.Bitmap();
      ASSERT_EQ(bitmap.size(), c.image.size());
      for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
          ASSERT_EQ(bitmap.pixel(x, y), c.image.pixel(x, y)) << x << "," << y;
        }
      }
    }
  }
}

TEST(BitmapListItem, FetchesAnEmptyBitmapFromItsSource) {
  testing_support::TempFolder folder;
  kit::TKitBitmapList list(nullptr);
  list.PathPrefix = kit::TKitPathPrefix::ppFixed;
  list.FileName = folder.File("pictures.lst");
  auto& item = static_cast<kit::TKitBitmapListItem&>(list.Add());
  item.Ident = 7;
  int changes = 0;
  item.OnChange = [&](QObject*) { ++changes; };

  EXPECT_TRUE(item.Bitmap().isNull());  // source 0: nothing

  list.BitmapSource = kit::TKitBitmapSource::bsFile;
  EXPECT_THROW(item.Bitmap(), kit::EFOpenError);
  {
    QFile file(QString::fromStdString(folder.File("pic7.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kit::WriteBitmapFile(Strip({Qt::red}), 24));
  }
  EXPECT_EQ(item.Bitmap().pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(changes, 0);

  // Source 1: item Ident of the bitmap list file.
  auto& second = static_cast<kit::TKitBitmapListItem&>(list.Add());
  second.Ident = 1;
  list.BitmapSource = kit::TKitBitmapSource::bsListFile;
  const QByteArray bitmap = kit::WriteBitmapFile(Strip({Qt::green}), 24);
  const QByteArray itemBytes = Bytes({8}) + Le32(static_cast<std::uint32_t>(bitmap.size())) + bitmap;
  const QByteArray file = Bytes({8}) + "KITBML30" + Le32(2) + Le32(21) + Le32(22) + Bytes({0}) + itemBytes;
  {
    QFile out(QString::fromStdString(list.FileName));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
  }
  EXPECT_EQ(second.Bitmap().pixelColor(0, 0), QColor(Qt::green));

  list.BitmapSource = kit::TKitBitmapSource::bsProgram;  // no resources here
  auto& third = static_cast<kit::TKitBitmapListItem&>(list.Add());
  EXPECT_TRUE(third.Bitmap().isNull());
}

QImage Canvas(QSize size = {8, 8}) {
  QImage canvas(size, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  return canvas;
}

TEST(DrawBitmap, PlacementsAndThePaintedRectangle) {
  const QImage picture = Strip({Qt::red});  // 4 x 2
  const struct {
    unsigned flags;
    QRect target, painted;
  } cases[] = {
      {0, {1, 1, 6, 6}, {1, 1, 4, 2}},
      {kit::dfCenter, {0, 0, 7, 7}, {1, 2, 4, 2}},
      {kit::dfCenter, {0, 0, 3, 1}, {-1, -1, 4, 2}},  // halves rounded down: -0.5 gives -1
      {kit::dfStretch, {0, 0, 8, 8}, {0, 0, 8, 8}},
      {kit::dfStretch | kit::dfFullWidth | kit::dfFullHeight, {0, 0, 8, 8}, {0, 0, 8, 4}},
      {kit::dfStretch | kit::dfFullWidth, {0, 0, 6, 8}, {0, 0, 6, 3}},
      {kit::dfStretch | kit::dfFullHeight, {0, 0, 8, 3}, {0, 0, 6, 3}},
      {kit::dfTile, {0, 0, 8, 5}, {0, 0, 12, 6}},
      {kit::dfTile | kit::dfClip, {0, 0, 8, 5}, {0, 0, 8, 5}},
  };
  for (const auto& c : cases) {
    QImage canvas = Canvas();
    QPainter painter(&canvas);
    EXPECT_EQ(kit::DrawBitmap(painter, picture, c.target, c.flags), c.painted) << c.flags;
  }
  QImage canvas = Canvas();
  QPainter painter(&canvas);
  EXPECT_EQ(kit::DrawBitmap(painter, QImage(), QRect(0, 0, 3, 3), 0), QRect(0, 0, 3, 3));
}

TEST(DrawBitmap, TransparencyAndTheDisabledLook) {
  QImage picture = Strip({Qt::red});
  picture.setPixelColor(0, 0, Qt::blue);
  QImage mask(4, 2, QImage::Format_RGB32);
  mask.fill(Qt::black);
  mask.setPixelColor(1, 0, Qt::white);

  QImage canvas = Canvas();
  {
    QPainter painter(&canvas);
    kit::DrawBitmap(painter, picture, QRect(0, 0, 4, 2), kit::dfMask, QColor(), &mask);
  }
  EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::white));  // the mask shows the canvas
  EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::blue));

  canvas = Canvas();
  {
    QPainter painter(&canvas);
    kit::DrawBitmap(painter, picture, QRect(0, 0, 4, 2), kit::dfTransparent, Qt::blue);
  }
  EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::red));

  canvas = Canvas();
  {
    QPainter painter(&canvas);
    painter.setBrush(Qt::green);
    kit::DrawBitmap(painter, picture, QRect(0, 0, 4, 2), kit::dfBrushCopy, Qt::blue);
  }
  EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::green));

  canvas = Canvas();
  {
    QPainter painter(&canvas);
    kit::DrawBitmap(painter, Strip({Qt::red}), QRect(0, 0, 4, 2), kit::dfDisabled);
  }
  EXPECT_EQ(canvas.pixelColor(0, 0), kit::kShadeColor);
  EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::red));
  EXPECT_EQ(canvas.pixelColor(1, 1), kit::kShadeColor);
}

TEST(ImageListItem, DrawingMaskedAndDisabled) {
  kit::TKitImageList list(nullptr);
  TKitImageListItem& item = AddFrames(list, {Qt::red});
  item.SetMasked(true);
  QImage mask(4, 2, QImage::Format_RGB32);
  mask.fill(Qt::black);
  mask.setPixelColor(3, 1, Qt::white);
  item.LoadStrip(Strip({Qt::red}), 1, mask);

  QImage canvas = Canvas();
  canvas.fill(Qt::yellow);
  {
    QPainter painter(&canvas);
    list.Draw(painter, 0, 0, QPoint(2, 2));
  }
  EXPECT_EQ(canvas.pixelColor(2, 2), QColor(Qt::red));
  EXPECT_EQ(canvas.pixelColor(5, 3), QColor(Qt::yellow));

  canvas.fill(Qt::yellow);
  {
    QPainter painter(&canvas);
    list.Draw(painter, 0, 0, QPoint(0, 0), false);
  }
  // Drawn on the item's background, then every other pixel shaded.
  EXPECT_EQ(canvas.pixelColor(0, 0), item.ShadeColor);
  EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::red));
  EXPECT_EQ(canvas.pixelColor(3, 1), item.ShadeColor);
  EXPECT_EQ(canvas.pixelColor(2, 1), QColor(Qt::red));
  EXPECT_EQ(canvas.pixelColor(5, 0), QColor(Qt::yellow));
  EXPECT_THROW(
      {
        QPainter painter(&canvas);
        list.Draw(painter, 0, 1, QPoint(0, 0));
      },
      kit::EListError);
}

}  // namespace
