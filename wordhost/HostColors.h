#pragma once
// The host's palette of character colours: index 0 is automatic (the text's
// own colour), 1 to 16 are fixed colours.

#include <cstdint>
#include <optional>

namespace wordhost {

struct Rgb {
  std::uint8_t red, green, blue;
};

inline constexpr int kLastColorIndex = 16;

// The colour of an index 1 to 16; none for 0 or an index outside the palette.
std::optional<Rgb> PaletteColor(int index);

}  // namespace wordhost
