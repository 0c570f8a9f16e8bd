#pragma once
// The kit's block compressor: LZRW1 with a flag byte and a run code.
//
// A block starts with a flag: 128 stored (the input bytes follow), 64
// compressed. A compressed block holds groups: a 16-bit control word (high
// byte first) for up to 16 items, most significant bit first, 1 a code and 0
// a literal byte; the last control word is shifted so that its used bits are
// the highest. A two-byte code copies (second & 15) + 3 bytes from
// first * 16 + (second >> 4) bytes back; a four-byte code 0, h, l, b repeats
// b ((h << 8) | l) + 16 times.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kit {

inline constexpr std::uint8_t kBlockCompressed = 64;
inline constexpr std::uint8_t kBlockStored = 128;
inline constexpr std::size_t kLargestBlockInput = 65535;

// Compresses up to 65,535 bytes (more raise EKitError); a block that would
// come out longer than its input is stored instead, so the result is at most
// one byte longer than the input.
std::vector<std::uint8_t> CompressBlock(std::span<const std::uint8_t> source);

// Expands a block. A block that is cut short, copies from before its start or
// expands beyond largestOutput bytes raises ECompressedDataError.
std::vector<std::uint8_t> ExpandBlock(std::span<const std::uint8_t> block,
                                      std::size_t largestOutput = kLargestBlockInput);

}  // namespace kit
