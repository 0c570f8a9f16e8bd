#include "GifWriter.h"

#include <algorithm>
#include <unordered_map>

namespace data::picture {
namespace {

constexpr int kMaxSide = 0xFFFF;
constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

void AppendWord(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// Bits of a colour-table size field: the table holds 2^(bits) colours, at
// least two, enough for the palette.
int TableBits(std::size_t colours) {
  int bits = 1;
  while ((std::size_t{1} << bits) < colours) ++bits;
  return bits;
}

bool Holdable(const IndexedPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxSide || picture.height > kMaxSide)
    return false;
  if (picture.palette.empty() || picture.palette.size() > 256) return false;
  if (picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
    return false;
  if (picture.transparent && *picture.transparent >= picture.palette.size()) return false;
  for (const std::uint8_t index : picture.pixels)
    if (index >= picture.palette.size()) return false;
  return true;
}

// Codes of growing width packed from the lowest bit up, cut into the
// format's sub-blocks of at most 255 bytes.
class CodeStream {
 public:
  void Put(int code, int width) {
    pending_ |= static_cast<std::uint32_t>(code) << pendingBits_;
    pendingBits_ += width;
    while (pendingBits_ >= 8) {
      bytes_ += static_cast<char>(pending_ & 0xFF);
      pending_ >>= 8;
      pendingBits_ -= 8;
    }
  }

  void AppendBlocks(std::string& out) {
    if (pendingBits_ > 0) bytes_ += static_cast<char>(pending_ & 0xFF);
    for (std::size_t at = 0; at < bytes_.size(); at += 255) {
      const std::size_t length = std::min<std::size_t>(255, bytes_.size() - at);
      out += static_cast<char>(length);
      out.append(bytes_, at, length);
    }
    out += '\0';
  }

 private:
  std::string bytes_;
  std::uint32_t pending_ = 0;
  int pendingBits_ = 0;
};

// LZW as GIF uses it: a clear code first, the code width growing one bit
// each time the table passes a power of two, and a clear code again when the
// table is full at 4096 entries.
void AppendImageData(std::string& out, const std::vector<std::uint8_t>& pixels, int minimumCodeBits) {
  const int clearCode = 1 << minimumCodeBits;
  const int endCode = clearCode + 1;
  std::unordered_map<std::uint32_t, int> table;  // (prefix code << 8 | next index) -> code
  int nextCode = endCode + 1;
  int codeBits = minimumCodeBits + 1;

  CodeStream codes;
  codes.Put(clearCode, codeBits);
  int prefix = pixels.front();
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    const std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | pixels[i];
    if (const auto found = table.find(key); found != table.end()) {
      prefix = found->second;
      continue;
    }
    codes.Put(prefix, codeBits);
    table.emplace(key, nextCode++);
    if (nextCode > (1 << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
    if (nextCode == kTableSize) {
      codes.Put(clearCode, codeBits);
      table.clear();
      nextCode = endCode + 1;
      codeBits = minimumCodeBits + 1;
    }
    prefix = pixels[i];
  }
  codes.Put(prefix, codeBits);
  codes.Put(endCode, codeBits);

  out += static_cast<char>(minimumCodeBits);
  codes.AppendBlocks(out);
}

}  // namespace

std::string GifBytes(const IndexedPicture& picture) {
  if (!Holdable(picture)) return {};
  const int tableBits = TableBits(picture.palette.size());

  std::string out = "GIF89a";
  AppendWord(out, picture.width);
  AppendWord(out, picture.height);
  // A global colour table of 2^tableBits colours of 8 bits a channel.
  out += static_cast<char>(0x80 | (7 << 4) | (tableBits - 1));
  out += '\0';  // background colour index
  out += '\0';  // square pixels
  for (int i = 0; i < (1 << tableBits); ++i) {
    const GifColour colour = i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : GifColour{};
    out += static_cast<char>(colour.red);
    out += static_cast<char>(colour.green);
    out += static_cast<char>(colour.blue);
  }

  if (picture.transparent) {
    // Graphic control extension: no delay, the transparent index.
    out += "\x21\xF9\x04\x01";
    AppendWord(out, 0);
    out += static_cast<char>(*picture.transparent);
    out += '\0';
  }

  out += '\x2C';  // image descriptor: the whole screen, no local table, not interlaced
  AppendWord(out, 0);
  AppendWord(out, 0);
  AppendWord(out, picture.width);
  AppendWord(out, picture.height);
  out += '\0';

  // The format wants a minimum code size of at least two bits.
  AppendImageData(out, picture.pixels, std::max(2, tableBits));
  out += '\x3B';
  return out;
}

}  // namespace data::picture
