// The block compressor: the bytes of small blocks worked out from the format,
// round trips, and blocks that cannot be expanded.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "kit/KitCompress.h"
#include "kit/KitErrors.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct GoldenCase {
  const char* name;
  Bytes input;
  Bytes block;
};

class CompressGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CompressGolden, GivesTheBlockAndExpandsBack) {
  const GoldenCase& c = GetParam();
  EXPECT_EQ(kit::CompressBlock(c.input), c.block);
  EXPECT_EQ(kit::ExpandBlock(c.block), c.input);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, CompressGolden,
    ::testing::Values(
        // A run: flag, one control word with one code bit, the four-byte run
        // code 0, (1000 - 16) high and low byte, the byte.
        GoldenCase{"run", Bytes(1000, 'A'), {0x40, 0x80, 0x00, 0x00, 0x03, 0xD8, 'A'}},
        // Nothing repeats: compressed it would be 13 bytes, so it is stored.
        GoldenCase{"stored", BytesOf("0123456789"), Concat({0x80}, BytesOf("0123456789"))},
        // Three literals, then a copy of 6 bytes from 3 back: code 0x033.
        GoldenCase{"copy", BytesOf("abcabcabc"), {0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x33}},
        // A copy that overlaps what it writes: 10 bytes from 2 back, code 0x027.
        GoldenCase{"overlap", BytesOf("abababababab"), {0x40, 0x20, 0x00, 'a', 'b', 0x00, 0x27}},
        // Sixteen literals fill the first group; the run opens a second one.
        GoldenCase{"two groups", Concat(BytesOf("abcdefghijklmnop"), Bytes(20, 'z')),
                   Concat(Concat({0x40, 0x00, 0x00}, BytesOf("abcdefghijklmnop")), {0x80, 0x00, 0x00, 0x00, 0x04, 'z'})},
        GoldenCase{"empty", {}, {0x80}}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

TEST(Compress, RoundTripsKeepEveryByte) {
  std::mt19937 random(7);
  Bytes noise(5000);
  for (auto& b : noise) b = static_cast<std::uint8_t>(random());
  Bytes text;
  while (text.size() < 30000) {
    const Bytes verse = BytesOf("In the beginning God created the heaven and the earth. ");
    text.insert(text.end(), verse.begin(), verse.end());
  }
  Bytes mixed;
  for (int i = 0; i < 3000; ++i) mixed.insert(mixed.end(), static_cast<std::size_t>(i % 40), static_cast<std::uint8_t>(i));
  mixed.resize(kit::kLargestBlockInput);

  for (const Bytes* input : {&noise, &text, &mixed}) {
    const Bytes block = kit::CompressBlock(*input);
    EXPECT_LE(block.size(), input->size() + 1);
    EXPECT_EQ(kit::ExpandBlock(block), *input);
  }
  EXPECT_EQ(kit::CompressBlock(noise)[0], kit::kBlockStored);
  EXPECT_EQ(kit::CompressBlock(text)[0], kit::kBlockCompressed);
  EXPECT_LT(kit::CompressBlock(text).size(), text.size() / 4);
}

TEST(Compress, RefusesMoreThanABlockTakes) {
  EXPECT_THROW(kit::CompressBlock(Bytes(kit::kLargestBlockInput + 1)), kit::EKitError);
}

TEST(Compress, CorruptBlocksRaiseInsteadOfOverrunning) {
  const std::vector<std::pair<const char*, Bytes>> corrupt = {
      {"empty", {}},
      {"cut in the control word", {0x40, 0x80}},
      {"cut in a code", {0x40, 0x80, 0x00, 0x00}},
      {"cut in a run", {0x40, 0x80, 0x00, 0x00, 0x00, 0x10}},
      {"copy from before the start", {0x40, 0x80, 0x00, 0x00, 0x10}},
      {"copy too far back", {0x40, 0x40, 0x00, 'x', 0x00, 0x20}},
  };
  for (const auto& [name, block] : corrupt) {
    EXPECT_THROW(kit::ExpandBlock(block), kit::ECompressedDataError) << name;
  }
  // A run longer than the room the caller has.
  EXPECT_THROW(kit::ExpandBlock(Bytes{0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF, 'A'}, 100), kit::ECompressedDataError);
  EXPECT_THROW(kit::ExpandBlock(Concat({0x80}, Bytes(101)), 100), kit::ECompressedDataError);
  EXPECT_EQ(kit::ExpandBlock(Bytes{0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF, 'A'}).size(), 4111u);
}

}  // namespace
