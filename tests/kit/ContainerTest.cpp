// Containers: adding, clearing and assigning items, and the container of one
// list of each kind.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <typeinfo>

#include "KitTesting.h"
#include "kit/KitChangeLink.h"
#include "kit/KitCont.h"
#include "kit/KitErrors.h"

namespace {

TEST(Container, AddClearAndItemsByIndex) {
  kit::TKitStringList list(nullptr);
  list.DefaultCompressed = true;
  int changes = 0;
  list.OnChange = [&](QObject*) { ++changes; };
  kit::TKitListItem& item = list.Add();
  EXPECT_TRUE(item.Compressed);  // new items take the list's default
  EXPECT_EQ(item.Container(), &list);
  list.Add(std::make_unique<kit::TKitStringListItem>());
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(&list.Item(0), &item);
  EXPECT_THROW(list.Item(2), kit::EListError);
  list.Clear();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(changes, 3);
}

TEST(Container, AnItemOfAnotherKindIsRefused) {
  kit::TKitImageList images(nullptr);
  int changes = 0;
  images.OnChange = [&](QObject*) { ++changes; };
  EXPECT_THROW(images.Add(std::make_unique<kit::TKitBitmapListItem>()), kit::EConvertError);
  EXPECT_THROW(images.Add(std::make_unique<kit::TKitStringListItem>()), kit::EConvertError);
  EXPECT_TRUE(images.IsEmpty());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(images.ImageCount(0), -1);

  kit::TKitWaveList waves(nullptr);
  EXPECT_THROW(waves.Add(std::make_unique<kit::TKitImageListItem>()), kit::EConvertError);
  waves.Add(std::make_unique<kit::TKitWaveListItem>());
  EXPECT_EQ(waves.Count(), 1);
}

TEST(Container, AssignCopiesSettingsAndItemsWithOneNotification) {
  kit::TKitImageList source(nullptr), target(nullptr);
  source.DefaultCompressed = true;
  source.DefaultPixelFormat = kit::TKitSavePixelFormat::spf8bit;
  auto& item = static_cast<kit::TKitImageListItem&>(source.Add());
  item.Description = "frames";
  item.SetWidth(8);
  source.Add();
  target.Add();
  int changes = 0;
  target.OnChange = [&](QObject*) { ++changes; };

  target.Assign(source);

  EXPECT_EQ(changes, 1);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_TRUE(target.DefaultCompressed);
  EXPECT_EQ(target.DefaultPixelFormat, kit::TKitSavePixelFormat::spf8bit);
  EXPECT_EQ(target.ImageItem(0).Description, "frames");
  EXPECT_EQ(target.ImageItem(0).Width(), 8);
  EXPECT_NE(&target.ImageItem(0), &item);

  kit::TKitBitmapList other(nullptr);
  EXPECT_THROW(target.Assign(other), kit::EConvertError);
}

// The four kinds of list, each with a new item of its kind.
struct ListKind {
  const char* name;
  kit::TKitCustomContainer& (*list)(const kit::TKitContainer&);
  std::unique_ptr<kit::TKitListItem> (*item)();
};
const ListKind kListKinds[] = {
    {"bitmaps", [](const kit::TKitContainer& c) -> kit::TKitCustomContainer& { return c.BitmapList(); },
     []() -> std::unique_ptr<kit::TKitListItem> { return std::make_unique<kit::TKitBitmapListItem>(); }},
    {"images", [](const kit::TKitContainer& c) -> kit::TKitCustomContainer& { return c.ImageList(); },
     []() -> std::unique_ptr<kit::TKitListItem> { return std::make_unique<kit::TKitImageListItem>(); }},
    {"strings", [](const kit::TKitContainer& c) -> kit::TKitCustomContainer& { return c.StringList(); },
     []() -> std::unique_ptr<kit::TKitListItem> { return std::make_unique<kit::TKitStringListItem>(); }},
    {"waves", [](const kit::TKitContainer& c) -> kit::TKitCustomContainer& { return c.WaveList(); },
     []() -> std::unique_ptr<kit::TKitListItem> { return std::make_unique<kit::TKitWaveListItem>(); }},
};

// The pixel format of an item of an image or bitmap list.
std::optional<kit::TKitSavePixelFormat> PixelFormatOf(const kit::TKitListItem& item) {
  if (const auto* image = dynamic_cast<const kit::TKitImageListItem*>(&item)) return image->PixelFormat;
  if (const auto* bitmap = dynamic_cast<const kit::TKitBitmapListItem*>(&item)) return bitmap->PixelFormat;
  return std::nullopt;
}

TEST(Container, EachListMakesItemsOfItsKindWithItsDefaults) {
  kit::TKitContainer container(nullptr);
  for (const ListKind& kind : kListKinds) {
    SCOPED_TRACE(kind.name);
    kit::TKitCustomContainer& list = kind.list(container);
    list.DefaultCompressed = true;
    auto* images = dynamic_cast<kit::TKitCustomImageList*>(&list);
    if (images != nullptr) images->DefaultPixelFormat = kit::TKitSavePixelFormat::spf8bit;
    const kit::TKitListItem& item = list.Add();
    const auto ofTheKind = kind.item();
    EXPECT_EQ(typeid(item), typeid(*ofTheKind));
    EXPECT_TRUE(item.Compressed);
    const std::optional<kit::TKitSavePixelFormat> format =
        images != nullptr ? std::optional(kit::TKitSavePixelFormat::spf8bit) : std::nullopt;
    EXPECT_EQ(PixelFormatOf(item), format);
  }
}

TEST(Container, EachListTakesItemsAndListsOfItsOwnKindOnly) {
  kit::TKitContainer container(nullptr), other(nullptr);
  for (const ListKind& kind : kListKinds) {
    kind.list(other).Add();
    for (const ListKind& from : kListKinds) {
      SCOPED_TRACE(std::string(kind.name) + " from " + from.name);
      kit::TKitCustomContainer& list = kind.list(container);
      list.Clear();
      if (&kind == &from) {
        list.Add(from.item());
        list.Assign(from.list(other));
        EXPECT_EQ(list.Count(), 1);
      } else {
        EXPECT_THROW(list.Add(from.item()), kit::EConvertError);
        EXPECT_THROW(list.Assign(from.list(other)), kit::EConvertError);
        EXPECT_TRUE(list.IsEmpty());
      }
    }
  }
}

TEST(Container, HoldsOneListOfEachKindAndTellsItsLinks) {
  kit::TKitContainer container(nullptr);
  kit::TKitChangeLink link;
  int changes = 0;
  link.OnChange = [&](QObject* sender) {
    EXPECT_EQ(sender, &container);
    ++changes;
  };
  container.RegisterChanges(&link);
  container.BitmapList().Add();
  container.ImageList().Add();
  container.StringList().Add();
  container.WaveList().Add();
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(container.WaveList().Owner(), &container);
}

TEST(Container, AtDesignTimeAChangeIsCopiedIntoTheGlobalContainer) {
  kit_testing::KitScope kit;
  kit::TKitContainer designed(nullptr);
  designed.SetDesigning(true);
  auto& item = static_cast<kit::TKitStringListItem&>(designed.StringList().Add());
  item.Description = "copied";
  item.NotifyChange();
  ASSERT_EQ(kit::GlobalContainer().StringList().Count(), 1);
  EXPECT_EQ(kit::GlobalContainer().StringList().Item(0).Description, "copied");
  EXPECT_TRUE(kit::GlobalContainer().ImageList().IsEmpty());

  kit::TKitContainer running(nullptr);
  running.StringList().Add();
  EXPECT_EQ(kit::GlobalContainer().StringList().Count(), 1);
}

TEST(Container, AnItemsHandlerMayFreeItsList) {
  auto list = std::make_unique<kit::TKitStringList>(nullptr);
  int listChanges = 0;
  auto& item = static_cast<kit::TKitStringListItem&>(list->Add());
  list->OnChange = [&](QObject*) { ++listChanges; };
  item.OnChange = [&](QObject*) { list.reset(); };
  platform::TStringList lines;
  lines.Add("gone");
  item.SetItems(lines);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(listChanges, 0);
}

}  // namespace
