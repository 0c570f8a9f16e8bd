#include "HostColors.h"

#include <array>

namespace wordhost {
namespace {

constexpr std::array<Rgb, kLastColorIndex> kPalette = {{
    {0, 0, 0},        // 1 black
    {0, 0, 255},      // 2 blue
    {0, 255, 255},    // 3 turquoise
    {0, 255, 0},      // 4 bright green
    {255, 0, 255},    // 5 pink
    {255, 0, 0},      // 6 red
    {255, 255, 0},    // 7 yellow
    {255, 255, 255},  // 8 white
    {0, 0, 128},      // 9 dark blue
    {0, 128, 128},    // 10 teal
    {0, 128, 0},      // 11 green
    {128, 0, 128},    // 12 violet
    {128, 0, 0},      // 13 dark red
    {128, 128, 0},    // 14 dark yellow
    {128, 128, 128},  // 15 grey 50%
    {192, 192, 192},  // 16 grey 25%
}};

}  // namespace

std::optional<Rgb> PaletteColor(int index) {
  if (index < 1 || index > kLastColorIndex) return std::nullopt;
  return kPalette[static_cast<std::size_t>(index - 1)];
}

}  // namespace wordhost
