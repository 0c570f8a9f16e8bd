#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "ui/NodeImages.h"
#include "ui/NodeKind.h"

namespace ui {
namespace {

// Share of the drawn pixels that stand out on black.
double BrightShare(const QImage& image) {
  int drawn = 0;
  int bright = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.alpha() < 128) continue;
      ++drawn;
      if (pixel.lightness() > 110) ++bright;
    }
  }
  return drawn ? static_cast<double>(bright) / drawn : 0.0;
}

TEST(NodeImages, OneDistinctPictureForEachKindThatShowsOnBlack) {
  for (const int size : {16, 32, 44}) {
    SCOPED_TRACE(size);
    const ImageList images = NodeImages(size);
    ASSERT_EQ(images.Count(), node::kKindCount);
    EXPECT_EQ(images.Size(), QSize(size, size));
    std::set<QByteArray> distinct;
    for (int kind = 0; kind < images.Count(); ++kind) {
      SCOPED_TRACE(kind);
      const QImage image = images.Pixmap(kind).toImage().convertToFormat(QImage::Format_ARGB32);
      EXPECT_EQ(image.size(), QSize(size, size));
      EXPECT_GT(BrightShare(image), 0.5);
      distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), static_cast<size_t>(node::kKindCount));
    EXPECT_TRUE(images.Pixmap(node::kKindCount).isNull());
    EXPECT_TRUE(images.Icon(-1, 99).isNull());
  }
}

TEST(NodeImages, ProgramIconComesInTheUsualSizes) {
  const QIcon icon = ProgramIcon();
  EXPECT_FALSE(icon.isNull());
  EXPECT_EQ(icon.availableSizes().size(), 7);
  EXPECT_EQ(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

}  // namespace
}  // namespace ui
