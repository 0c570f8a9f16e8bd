#include <gtest/gtest.h>

#include <cstring>

#include "core/IxoFormat.h"

namespace ixo {
namespace {

TEST(IxoFormat, SeparatorCountsTheBookFromBytesTwoAndThree) {
  const unsigned char bytes[4] = {0x00, 0x00, 0x02, 0x01};
  IxoWritten record;
  std::memcpy(&record, bytes, sizeof record);
  EXPECT_TRUE(IsSeparator(record));
  EXPECT_EQ(SeparatorWordCount(record), 258);

  const IxoWritten made = MakeSeparator(258);
  EXPECT_EQ(std::memcmp(&made, bytes, sizeof bytes), 0);
}

TEST(IxoFormat, WordRecordFieldsSitAtTheirBytes) {
  const unsigned char bytes[4] = {0x05, 0x80, 0xE2, 0x07};
  IxoWritten record;
  std::memcpy(&record, bytes, sizeof record);
  EXPECT_EQ(record.key, 0x8005);
  EXPECT_EQ(KeyNumber(record.key), 5);
  EXPECT_EQ(PunctuationOf(record.flags), PunctuationPeriod);
  EXPECT_TRUE(record.flags & FlagItalic);
  EXPECT_EQ(record.verse, 7);
}

TEST(IxoFormat, CaseBitsOfTheKey) {
  struct Case {
    std::uint16_t key;
    bool first;
    bool all;
  };
  for (const Case& c : {Case{0x0005, false, false}, Case{0x4005, false, false},
                        Case{0x8005, true, false}, Case{0xC005, false, true}}) {
    EXPECT_EQ(KeyHasFirstCapital(c.key), c.first) << std::hex << c.key;
    EXPECT_EQ(KeyHasAllCapitals(c.key), c.all) << std::hex << c.key;
  }
}

TEST(IxoFormat, LemmaSlotsCarryTheGreekBit) {
  const TLemmaRec lemma{{0x801A, 0, 0x1234, 0x0042}};
  EXPECT_TRUE(LemmaIsGreek(lemma.slots[0]));
  EXPECT_EQ(LemmaNumber(lemma.slots[0]), 26);
  EXPECT_FALSE(LemmaIsGreek(0x001A));
}

TEST(IxoFormat, GroupHeadReadsAtAnOddOffset) {
  const std::uint8_t bytes[] = {0xFF, 3, 0, 0x2C, 0x01};
  EXPECT_EQ(ReadU16(bytes + 3), 300);
}

}  // namespace
}  // namespace ixo
