#pragma once
// The bytes of a GIF89a file holding one picture of up to 256 colours, one of
// which may stand for "transparent". The image data is LZW-compressed as the
// format asks; nothing is interlaced or animated.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace data::picture {

struct GifColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const GifColour&) const = default;
};

struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<GifColour> palette;    // 1 to 256 colours
  std::vector<std::uint8_t> pixels;  // width * height palette indexes, row by row from the top
  std::optional<std::uint8_t> transparent;  // the palette index drawn as see-through
};

// The whole file; empty for a picture the format cannot hold (no pixels, a
// side above 65535, no palette or more than 256 colours, an index beyond the
// palette, a pixel count that does not match the size).
std::string GifBytes(const IndexedPicture& picture);

}  // namespace data::picture
