// The item header, the item bodies, compressed-block framing and container
// streams, byte by byte as the formats give them.

#include <gtest/gtest.h>

#include <string>

#include "KitTesting.h"
#include "kit/KitBlockStream.h"
#include "kit/KitErrors.h"
#include "kit/KitImageListItem.h"
#include "kit/KitStringList.h"
#include "kit/KitStreams.h"
#include "kit/KitStringListItem.h"
#include "kit/KitWaveListItem.h"

namespace {

using kit_testing::Bytes;
using kit_testing::Le32;
using kit_testing::Reading;
using kit_testing::Written;

void SetLines(kit::TKitStringListItem& item, std::initializer_list<std::string> lines) {
  platform::TStringList list;
  for (const std::string& line : lines) list.Add(line);
  item.SetItems(list);
}

TEST(ItemHeader, DescriptionAndIdentifierOfAnImageItem) {
  kit::TKitImageListItem item;
  item.Description = "Frames";
  item.Ident = 0x1234;
  // Flags 6, the description, the identifier, then the body of an empty
  // image item: height 16, width 16, AllocBy 4, not masked, no images.
  const QByteArray expected = Bytes({6, 6}) + "Frames" + Le32(0x1234) + Le32(16) + Le32(16) + Le32(4) + Bytes({0}) +
                              Le32(0);
  EXPECT_EQ(Written([&](QIODevice& out) { item.WriteItem(out); }), expected);

  kit::TKitImageListItem read;
  read.Ident = 9;
  Reading in(expected);
  read.ReadItem(in.Stream());
  EXPECT_EQ(read.Description, "Frames");
  EXPECT_EQ(read.Ident, 0x1234);
  EXPECT_EQ(read.ImageCount(), 0);

  // Without them: flags 0, and reading clears what was there.
  Reading bare(Bytes({0}) + Le32(16) + Le32(16) + Le32(4) + Bytes({0}) + Le32(0));
  read.ReadItem(bare.Stream());
  EXPECT_EQ(read.Description, "");
  EXPECT_EQ(read.Ident, 0);
}

TEST(ItemHeader, ALongDescriptionKeepsItsFirst255Characters) {
  kit::TKitWaveListItem item;
  item.Description = std::string(300, 'x');
  const QByteArray written = Written([&](QIODevice& out) { item.WriteItem(out); });
  EXPECT_EQ(written, Bytes({2, 255}) + QByteArray(255, 'x'));
  kit::TKitWaveListItem read;
  Reading in(written);
  read.ReadItem(in.Stream());
  EXPECT_EQ(read.Description, std::string(255, 'x'));
}

TEST(ItemHeader, TheIdentifierIsItsLow16Bits) {
  kit::TKitWaveListItem read;
  Reading in(Bytes({4}) + Le32(0x00071234));
  read.ReadItem(in.Stream());
  EXPECT_EQ(read.Ident, 0x1234);
}

TEST(ItemBody, StringsAreLinesEndedByCrLf) {
  kit::TKitStringListItem item;
  SetLines(item, {"In the beginning", "God"});
  item.Ident = 3;
  const QByteArray text = "In the beginning\r\nGod\r\n";
  const QByteArray expected = Bytes({0x0C}) + Le32(3) + Le32(static_cast<std::uint32_t>(text.size())) + text;
  EXPECT_EQ(Written([&](QIODevice& out) { item.WriteItem(out); }), expected);

  kit::TKitStringListItem read;
  SetLines(read, {"old"});
  Reading in(expected);
  read.ReadItem(in.Stream());
  ASSERT_EQ(read.Items().Count(), 2u);
  EXPECT_EQ(read.Items()[1], "God");

  // No data bit: the list is emptied.
  Reading none(Bytes({0}));
  read.ReadItem(none.Stream());
  EXPECT_TRUE(read.IsEmpty());
}

TEST(ItemBody, CompressedDataIsFramedBlocks) {
  kit::TKitStringListItem item;
  SetLines(item, {std::string(40, 'a')});
  item.Compressed = true;
  // 40 'a' and CR LF: one block of a run code and two literals, framed by
  // the total (9 + 4) and the block's length.
  const QByteArray block = Bytes({0x40, 0x80, 0x00, 0x00, 0x00, 40 - 16, 'a', 0x0D, 0x0A});
  const QByteArray expected = Bytes({0x09}) + Le32(13) + Le32(9) + block;
  EXPECT_EQ(Written([&](QIODevice& out) { item.WriteItem(out); }), expected);

  kit::TKitStringListItem read;
  Reading in(expected);
  read.ReadItem(in.Stream());
  EXPECT_TRUE(read.Compressed);
  ASSERT_EQ(read.Items().Count(), 1u);
  EXPECT_EQ(read.Items()[0], std::string(40, 'a'));
}

TEST(ItemBody, ALongWaveIsFramedInBlocksOf32781Bytes) {
  QByteArray data(70000, '\0');
  for (int i = 0; i < data.size(); ++i) data[i] = static_cast<char>((i * 7) % 251);
  const QByteArray framed = Written([&](QIODevice& out) { kit::WriteCompressedBlocks(out, data); });
  Reading in(framed);
  // Three blocks: 32781, 32781 and the rest.
  in.Stream().seek(4);
  int blocks = 0;
  while (in.Stream().pos() < framed.size()) {
    const std::uint32_t length = kit::ReadUInt32(in.Stream());
    in.Stream().seek(in.Stream().pos() + length);
    ++blocks;
  }
  EXPECT_EQ(blocks, 3);
  Reading again(framed);
  EXPECT_EQ(kit::ReadCompressedBlocks(again.Stream()), data);
}

TEST(ItemBody, DamagedFramesAndCountsRaise) {
  const QByteArray cases[] = {
      Le32(100) + Le32(9),                             // a total beyond the stream
      Le32(13) + Le32(20) + QByteArray(9, '\0'),       // a block beyond the total
      Le32(4) + Le32(0),                               // an empty block
  };
  for (const QByteArray& bytes : cases) {
    Reading in(bytes);
    EXPECT_THROW(kit::ReadCompressedBlocks(in.Stream()), kit::EStreamError);
  }
  kit::TKitStringListItem item;
  Reading hugeCount(Bytes({0x08}) + Le32(0x7FFFFFFF) + "abc");
  EXPECT_THROW(item.ReadItem(hugeCount.Stream()), kit::EReadError);
}

TEST(ContainerStream, TheIndexedFormPointsAtEachItem) {
  kit::TKitStringList list(nullptr);
  for (const char* text : {"one", "two", "three"}) {
    auto& item = static_cast<kit::TKitStringListItem&>(list.Add());
    platform::TStringList lines;
    lines.Add(text);
    item.SetItems(lines);
  }
  // The stream does not start at 0: the offsets are absolute.
  const QByteArray written = Written([&](QIODevice& out) {
    out.write("prefix");
    list.SaveItems(out, true);
  });
  const QByteArray body = written.mid(6);
  ASSERT_EQ(body.left(4), Le32(3));
  const QByteArray first = Bytes({8}) + Le32(5) + "one\r\n";
  const QByteArray second = Bytes({8}) + Le32(5) + "two\r\n";
  EXPECT_EQ(body.mid(4, 12), Le32(6 + 16) + Le32(6 + 16 + 10) + Le32(6 + 16 + 20));
  EXPECT_EQ(body.mid(16, 10), first);
  EXPECT_EQ(body.mid(26, 10), second);

  kit::TKitStringList read(nullptr);
  Reading in(written);
  in.Stream().seek(6);
  read.LoadItems(in.Stream(), true);
  ASSERT_EQ(read.Count(), 3);
  EXPECT_EQ(read.StringItem(2).Items()[0], "three");

  // The plain form has no offsets.
  EXPECT_EQ(Written([&](QIODevice& out) { list.SaveItems(out, false); }).mid(4, 10), first);
}

TEST(ContainerStream, LoadingNotifiesOnceAlsoWhenTheStreamFails) {
  kit::TKitStringList list(nullptr);
  int changes = 0;
  list.OnChange = [&](QObject*) { ++changes; };
  list.Add();
  changes = 0;

  Reading good(Le32(2) + Bytes({0, 0}));
  list.LoadItems(good.Stream(), false);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.Count(), 2);

  Reading cut(Le32(2) + Bytes({0, 8}) + Le32(50));
  EXPECT_THROW(list.LoadItems(cut.Stream(), false), kit::EReadError);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(list.Count(), 2);  // half loaded: the item that failed is there
}

}  // namespace
