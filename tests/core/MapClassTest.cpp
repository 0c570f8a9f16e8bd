#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/MapClass.h"
#include "support/TempFolder.h"

namespace ixo {
namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

using Map4 = MapClass<4>;

Map4::Record RecordOf(char c) {
  Map4::Record record;
  for (auto& byte : record) byte = static_cast<std::byte>(c);
  return record;
}

TEST(MapClass, WritesFirstFillAndLastRecords) {
  const Map4::Record fill = RecordOf('f'), first = RecordOf('1'), last = RecordOf('9');
  struct Case {
    int count;
    const Map4::Record* first;
    const Map4::Record* last;
    std::string bytes;
  };
  const Case cases[] = {
      {1, &first, &last, "1111"},
      {2, &first, &last, "11119999"},
      {4, &first, &last, "1111ffffffff9999"},
      {3, nullptr, nullptr, "ffffffffffff"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string path = folder.File("records");
    ASSERT_TRUE(WriteFileBytes(path, std::string(40, 'x')));
    Map4 map;
    ASSERT_TRUE(map.Open(path, true, true, c.count, &fill, c.first, c.last)) << c.count;
    EXPECT_EQ(ReadFileBytes(path), c.bytes);
    EXPECT_EQ(map.GetRecordCnt(), static_cast<std::size_t>(c.count));
    EXPECT_EQ(std::memcmp(map.GetBase(), c.bytes.data(), c.bytes.size()), 0);
    EXPECT_TRUE(map.IsWritable());
  }
}

TEST(MapClass, HeapCopyHoldsTheFileWithoutKeepingItOpen) {
  TempFolder folder;
  const std::string path = folder.File("copy");
  ASSERT_TRUE(WriteFileBytes(path, "abcdefgh"));
  MapClass<8> map;
  ASSERT_TRUE(map.Open(path, false, false, 0, nullptr, nullptr, nullptr));
  ASSERT_NE(map.GetBase(), nullptr);
  ASSERT_TRUE(WriteFileBytes(path, "ABCDEFGH"));  // the copy does not follow the file
  EXPECT_EQ(std::string(static_cast<const char*>(map.GetBase()), 8), "abcdefgh");
  EXPECT_EQ(map.GetRecordCnt(), 1u);
  map.Close();
  EXPECT_EQ(map.GetBase(), nullptr);
  EXPECT_EQ(map.GetByteCnt(), 8u);  // the size stays after Close
}

TEST(MapClass, AnOpenMapIgnoresAnotherPath) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File("one"), "1111"));
  ASSERT_TRUE(WriteFileBytes(folder.File("two"), "22222222"));
  Map4 map;
  ASSERT_TRUE(map.Open(folder.File("one"), false, true, 0, nullptr, nullptr, nullptr));
  void* base = map.GetBase();
  EXPECT_TRUE(map.Open(folder.File("two"), false, true, 0, nullptr, nullptr, nullptr));
  EXPECT_EQ(map.GetBase(), base);
  EXPECT_EQ(map.GetPath(), folder.File("one"));
  EXPECT_EQ(map.GetRecordCnt(), 1u);
}

TEST(MapClass, AFailedOpenLeavesNothingOpenAndCanBeRetried) {
  TempFolder folder;
  const std::string path = folder.File("later");
  Map4 map;
  EXPECT_FALSE(map.Open(path, false, true, 0, nullptr, nullptr, nullptr));
  EXPECT_FALSE(map.Open(path, true, true, 0, nullptr, nullptr, nullptr));  // must exist
  EXPECT_EQ(map.GetBase(), nullptr);
  ASSERT_TRUE(WriteFileBytes(path, ""));
  EXPECT_FALSE(map.Open(path, false, true, 0, nullptr, nullptr, nullptr));  // empty: no view
  EXPECT_EQ(map.GetBase(), nullptr);
  ASSERT_TRUE(WriteFileBytes(path, "abcd"));
  EXPECT_TRUE(map.Open(path, false, true, 0, nullptr, nullptr, nullptr));
  EXPECT_NE(map.GetBase(), nullptr);
}

}  // namespace
}  // namespace ixo
