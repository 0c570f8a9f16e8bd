// The kit's list files: signatures, types, extensions and reading one item.

#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "KitTesting.h"
#include "TempFolder.h"
#include "kit/KitErrors.h"
#include "kit/KitListFile.h"
#include "kit/KitStringListItem.h"

namespace {

using kit::TKitListType;
using kit_testing::Bytes;
using kit_testing::Le32;

void WriteFile(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray StringItem(const char* line) {
  const QByteArray text = QByteArray(line) + "\r\n";
  return Bytes({8}) + Le32(static_cast<std::uint32_t>(text.size())) + text;
}

// A string list file of two items, laid out by hand.
QByteArray TwoStringItems() {
  const QByteArray header = Bytes({8}) + "KITSLL30" + Le32(2);
  const QByteArray first = StringItem("first");
  const std::uint32_t firstAt = static_cast<std::uint32_t>(header.size()) + 8;
  return header + Le32(firstAt) + Le32(firstAt + static_cast<std::uint32_t>(first.size())) + first +
         StringItem("second");
}

TEST(ListFile, SignaturesTypesAndExtensions) {
  const struct {
    TKitListType type;
    const char* signature;
    const char* extension;
  } cases[] = {
      {TKitListType::ltImageList, "KITIML30", "iml"},   {TKitListType::ltBitmapList, "KITBML30", "bmp"},
      {TKitListType::ltWaveList, "KITWVL30", "wav"},    {TKitListType::ltStringList, "KITSLL30", "txt"},
      {TKitListType::ltGraphicList, "KITGLL50", "*"},   {TKitListType::ltRichTextList, "KITRTL50", "rtf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kit::ListSignature(c.type), c.signature);
    EXPECT_EQ(kit::ListFileExtension(c.type, false), c.extension);
    EXPECT_EQ(kit::ListFileExtension(c.type, true), std::string(".") + c.extension);
    kit_testing::Reading in(Bytes({8}) + c.signature + Le32(0));
    EXPECT_EQ(kit::ListFileType(in.Stream()), c.type);
  }
  EXPECT_EQ(kit::ListFileExtension(TKitListType::ltUnknown, true), "");
  for (const QByteArray& foreign : {Bytes({8}) + "KITXXX30", Bytes({7}) + "KITSLL30", QByteArray("KIT")}) {
    kit_testing::Reading in(foreign);
    EXPECT_EQ(kit::ListFileType(in.Stream()), TKitListType::ltUnknown);
    EXPECT_EQ(static_cast<int>(kit::ListFileType(in.Stream())), 6);
  }
}

TEST(ListFile, ReadsTheItemItsOffsetNames) {
  testing_support::TempFolder folder;
  const std::string path = folder.File("verses.txt");
  WriteFile(path, TwoStringItems());
  EXPECT_EQ(kit::ListFileType(path), TKitListType::ltStringList);

  kit::TKitStringListItem item;
  kit::ReadListFileItem(path, TKitListType::ltStringList, 1, item);
  ASSERT_EQ(item.Items().Count(), 1u);
  EXPECT_EQ(item.Items()[0], "second");
  kit::ReadListFileItem(path, TKitListType::ltStringList, 0, item);
  EXPECT_EQ(item.Items()[0], "first");
}

TEST(ListFile, DamagedOrForeignFilesRaise) {
  testing_support::TempFolder folder;
  const std::string path = folder.File("verses.txt");
  WriteFile(path, TwoStringItems());
  kit::TKitStringListItem item;

  try {
    kit::ReadListFileItem(path, TKitListType::ltImageList, 0, item);
    FAIL();
  } catch (const kit::EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
  }
  EXPECT_THROW(kit::ReadListFileItem(folder.File("missing.txt"), TKitListType::ltStringList, 0, item), kit::EFOpenError);
  EXPECT_THROW(kit::ReadListFileItem(path, TKitListType::ltStringList, 2, item), kit::EListError);
  EXPECT_THROW(kit::ReadListFileItem(path, TKitListType::ltStringList, -1, item), kit::EListError);

  const std::string badOffset = folder.File("bad.txt");
  WriteFile(badOffset, Bytes({8}) + "KITSLL30" + Le32(1) + Le32(5000));
  EXPECT_THROW(kit::ReadListFileItem(badOffset, TKitListType::ltStringList, 0, item), kit::EReadError);

  const std::string cut = folder.File("cut.txt");
  WriteFile(cut, TwoStringItems().left(30));
  EXPECT_THROW(kit::ReadListFileItem(cut, TKitListType::ltStringList, 1, item), kit::EReadError);
}

}  // namespace
