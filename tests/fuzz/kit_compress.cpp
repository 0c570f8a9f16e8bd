// The kit's block compressor and its framing of compressed blocks.
//
// Input: a byte saying what to do with the rest: 0 compress it (as one block
// and as framed blocks), 1 expand it as a block, 2 read it as framed blocks.
//
// Properties: a compressed block expands back to its input and is at most
// one byte longer than it; framed blocks read back to what was written; a
// damaged block or frame raises the kit's error for it and never expands
// beyond its limit; what does expand compresses and expands back to itself.

#include <QBuffer>
#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "kit/KitBlockStream.h"
#include "kit/KitCompress.h"
#include "kit/KitErrors.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void CheckBlockRoundTrip(std::span<const std::uint8_t> input) {
  input = input.first(std::min(input.size(), kit::kLargestBlockInput));
  const Bytes block = kit::CompressBlock(input);
  FUZZ_CHECK(block.size() <= input.size() + 1);
  FUZZ_CHECK(!block.empty() && (block[0] == kit::kBlockCompressed || block[0] == kit::kBlockStored));
  const Bytes expanded = kit::ExpandBlock(block);
  FUZZ_CHECK(std::ranges::equal(expanded, input));
}

QByteArray Framed(const QByteArray& data) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  kit::WriteCompressedBlocks(out, data);
  return bytes;
}

QByteArray ReadFramed(const QByteArray& bytes) {
  QBuffer in;
  in.setData(bytes);
  in.open(QIODevice::ReadOnly);
  return kit::ReadCompressedBlocks(in);
}

void CheckFramedRoundTrip(std::span<const std::uint8_t> input) {
  const QByteArray data(reinterpret_cast<const char*>(input.data()), static_cast<qsizetype>(input.size()));
  FUZZ_CHECK(ReadFramed(Framed(data)) == data);
}

void ExpandDamaged(std::span<const std::uint8_t> block) {
  constexpr std::size_t limit = 4096;
  Bytes expanded;
  try {
    expanded = kit::ExpandBlock(block, limit);
  } catch (const kit::ECompressedDataError&) {
    return;
  }
  FUZZ_CHECK(expanded.size() <= limit);
  CheckBlockRoundTrip(expanded);
}

void ReadDamagedFrames(std::span<const std::uint8_t> bytes) {
  QByteArray data;
  try {
    data = ReadFramed(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  } catch (const kit::EStreamError&) {
    return;
  }
  FUZZ_CHECK(ReadFramed(Framed(data)) == data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      CheckBlockRoundTrip(rest);
      CheckFramedRoundTrip(rest);
      break;
    case 1: ExpandDamaged(rest); break;
    default: ReadDamagedFrames(rest); break;
  }
  return 0;
}
