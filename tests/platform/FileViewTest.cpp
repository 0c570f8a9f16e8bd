#include <gtest/gtest.h>

#include "platform/FileView.h"
#include "TempFolder.h"

namespace platform {
namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

TEST(FileView, ReadOnlyViewShowsTheWholeFile) {
  TempFolder temp;
  ASSERT_TRUE(WriteFileBytes(temp.File("f"), "abcdef"));
  FileView view = FileView::Map(temp.File("f"), FileView::Access::ReadOnly);
  ASSERT_TRUE(view.IsOpen());
  EXPECT_EQ(view.Size(), 6u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(view.Data()), view.Size()), "abcdef");
}

TEST(FileView, SharedViewWritesReachTheFile) {
  TempFolder temp;
  ASSERT_TRUE(WriteFileBytes(temp.File("f"), "0000"));
  {
    FileView view = FileView::Map(temp.File("f"), FileView::Access::ReadWrite);
    ASSERT_TRUE(view.IsOpen());
    view.Data()[1] = std::byte{'x'};
  }
  EXPECT_EQ(ReadFileBytes(temp.File("f")), "0x00");
}

TEST(FileView, MissingAndEmptyFilesGiveNoView) {
  TempFolder temp;
  EXPECT_FALSE(FileView::Map(temp.File("missing"), FileView::Access::ReadOnly).IsOpen());
  ASSERT_TRUE(WriteFileBytes(temp.File("empty"), ""));
  EXPECT_FALSE(FileView::Map(temp.File("empty"), FileView::Access::ReadOnly).IsOpen());
}

TEST(FileView, MoveTransfersTheView) {
  TempFolder temp;
  ASSERT_TRUE(WriteFileBytes(temp.File("f"), "ab"));
  FileView first = FileView::Map(temp.File("f"), FileView::Access::ReadOnly);
  FileView second = std::move(first);
  EXPECT_FALSE(first.IsOpen());
  EXPECT_TRUE(second.IsOpen());
  second.Close();
  EXPECT_FALSE(second.IsOpen());
}

}  // namespace
}  // namespace platform
