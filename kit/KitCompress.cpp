#include "KitCompress.h"

#include <array>
#include <string>

#include "KitErrors.h"

namespace kit {

namespace {

constexpr std::size_t kLongestRun = 4095;
constexpr std::size_t kShortestRun = 16;
constexpr std::size_t kLongestMatch = 18;
constexpr std::size_t kShortestMatch = 3;
constexpr std::size_t kFarthestMatch = 4095;
constexpr std::uint16_t kNoPosition = 0xFFFF;

using HashTable = std::array<std::uint16_t, 4096>;

std::size_t HashOf(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
  const std::uint32_t mixed = ((((static_cast<std::uint32_t>(b0) << 4) ^ b1) << 4) ^ b2);
  return ((mixed * 40543u) >> 4) & 0x0FFFu;
}

// The number of bytes from position on that equal the byte there.
std::size_t RunLength(std::span<const std::uint8_t> source, std::size_t position) {
  std::size_t length = 1;
  while (length < kLongestRun && position + length < source.size() &&
         source[position + length] == source[position])
    ++length;
  return length;
}

struct Match {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// The match of the three bytes at position with an earlier place that hashes
// alike; the table then points at position.
Match FindMatch(std::span<const std::uint8_t> source, std::size_t position, HashTable& table) {
  if (position + kShortestMatch > source.size()) return {};
  const std::size_t key = HashOf(source[position], source[position + 1], source[position + 2]);
  const std::uint16_t candidate = table[key];
  table[key] = static_cast<std::uint16_t>(position);
  if (candidate == kNoPosition || position - candidate > kFarthestMatch) return {};
  std::size_t length = 0;
  while (length < kLongestMatch && position + length < source.size() &&
         source[position + length] == source[candidate + length])
    ++length;
  return {position - candidate, length};
}

std::vector<std::uint8_t> Stored(std::span<const std::uint8_t> source) {
  std::vector<std::uint8_t> block;
  block.reserve(source.size() + 1);
  block.push_back(kBlockStored);
  block.insert(block.end(), source.begin(), source.end());
  return block;
}

[[noreturn]] void Corrupt(const char* what) { throw ECompressedDataError(std::string("Compressed block ") + what); }

}  // namespace

std::vector<std::uint8_t> CompressBlock(std::span<const std::uint8_t> source) {
  if (source.size() > kLargestBlockInput)
    throw EKitError("A compressed block takes at most 65535 bytes, not " + std::to_string(source.size()));
  HashTable table;
  table.fill(kNoPosition);

  std::vector<std::uint8_t> out{kBlockCompressed, 0, 0};
  std::size_t controlAt = 1;
  std::uint16_t control = 0;
  int items = 0;
  std::size_t position = 0;
  auto flushControl = [&](int shift) {
    const auto word = static_cast<std::uint16_t>(control << shift);
    out[controlAt] = static_cast<std::uint8_t>(word >> 8);
    out[controlAt + 1] = static_cast<std::uint8_t>(word & 0xFF);
  };
  // Stops as soon as the output is longer than the input: then it is stored.
  while (position < source.size() && out.size() <= source.size()) {
    if (items == 16) {
      flushControl(0);
      controlAt = out.size();
      out.push_back(0);
      out.push_back(0);
      control = 0;
      items = 0;
    }
    const std::size_t run = RunLength(source, position);
    if (run >= kShortestRun) {
      const std::size_t code = run - kShortestRun;
      out.insert(out.end(), {0, static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code & 0xFF),
                             source[position]});
      position += run;
      control = static_cast<std::uint16_t>((control << 1) | 1);
    } else if (const Match match = FindMatch(source, position, table); match.length >= kShortestMatch) {
      const std::size_t code = (match.offset << 4) | (match.length - kShortestMatch);
      out.push_back(static_cast<std::uint8_t>(code >> 8));
      out.push_back(static_cast<std::uint8_t>(code & 0xFF));
      position += match.length;
      control = static_cast<std::uint16_t>((control << 1) | 1);
    } else {
      out.push_back(source[position]);
      position += 1;
      control = static_cast<std::uint16_t>(control << 1);
    }
    ++items;
  }
  flushControl(16 - items);
  if (out.size() > source.size()) return Stored(source);
  return out;
}

std::vector<std::uint8_t> ExpandBlock(std::span<const std::uint8_t> block, std::size_t largestOutput) {
  if (block.empty()) Corrupt("is empty");
  if (block[0] == kBlockStored) {
    if (block.size() - 1 > largestOutput) Corrupt("is too long");
    return {block.begin() + 1, block.end()};
  }
  std::vector<std::uint8_t> out;
  std::size_t at = 1;
  std::uint16_t control = 0;
  int bits = 0;
  while (at < block.size()) {
    if (bits == 0) {
      if (at + 2 > block.size()) Corrupt("ends inside a control word");
      control = static_cast<std::uint16_t>((block[at] << 8) | block[at + 1]);
      at += 2;
      bits = 16;
      if (at == block.size()) break;
    }
    if ((control & 0x8000) == 0) {
      out.push_back(block[at]);
      at += 1;
    } else {
      if (at + 2 > block.size()) Corrupt("ends inside a code");
      const std::size_t offset = (static_cast<std::size_t>(block[at]) << 4) | (block[at + 1] >> 4);
      if (offset == 0) {
        if (at + 4 > block.size()) Corrupt("ends inside a run");
        const std::size_t length = ((static_cast<std::size_t>(block[at + 1]) << 8) | block[at + 2]) + kShortestRun;
        if (out.size() + length > largestOutput) Corrupt("expands too far");
        out.insert(out.end(), length, block[at + 3]);
        at += 4;
      } else {
        const std::size_t length = (block[at + 1] & 0x0F) + kShortestMatch;
        if (offset > out.size()) Corrupt("copies from before its start");
        if (out.size() + length > largestOutput) Corrupt("expands too far");
        // Byte by byte: an overlapping copy repeats what it has just written.
        for (std::size_t k = 0; k < length; ++k) out.push_back(out[out.size() - offset]);
        at += 2;
      }
    }
    if (out.size() > largestOutput) Corrupt("expands too far");
    control = static_cast<std::uint16_t>(control << 1);
    --bits;
  }
  return out;
}

}  // namespace kit
