#pragma once
// The bit that each of the fourteen search conditions owns in the per-word and
// per-book mark masks. Bits 0x4000 and 0x8000 are never used.

#include <array>
#include <cstdint>

namespace engine {

inline constexpr int ConditionCount = 14;

// The bit of condition 1 to 14; 0 for any other condition.
constexpr std::uint16_t ConditionMask(int condition) {
  constexpr std::array<std::uint16_t, ConditionCount + 1> bits{
      0,      0x0001, 0x0002, 0x0010, 0x0004, 0x0020, 0x0040, 0x0080,
      0x0008, 0x0100, 0x0200, 0x0400, 0x0800, 0x1000, 0x2000};
  return condition >= 1 && condition <= ConditionCount ? bits[condition] : 0;
}

}  // namespace engine
