// The picture the build drew for the word summary pages: a GIF of the
// search trees' magnifier, with a see-through background.

#include <gtest/gtest.h>

#include <QImage>

#include "TempFolder.h"

namespace data::picture {
namespace {

TEST(BuiltSearchPicture, IsTheMagnifierOnAClearGround) {
  const std::string bytes = testing_support::ReadFileBytes(IXO_BUILT_SEARCH_PICTURE);
  ASSERT_TRUE(bytes.starts_with("GIF89a"));
  const QImage image = QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "GIF")
                           .convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(32, 32));
  for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
    EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
  // The light blue glass and the golden handle.
  EXPECT_EQ(image.pixel(13, 13), qRgb(0x9C, 0xCB, 0xFF));
  EXPECT_EQ(image.pixel(24, 24), qRgb(0xF2, 0xC1, 0x4E));
}

}  // namespace
}  // namespace data::picture
