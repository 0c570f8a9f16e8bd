#pragma once
// The frame of a WordPerfect file around its document text: a 512-byte
// prefix, an index whose first entry is its header, and, with headers and
// footers, four packets (a 10-byte record and the header or footer text
// each). The document text begins at DocumentStart, after the packets.
//
//   prefix:  FF "WPC", u32 DocumentStart, 1, 10, 2, 4, u16 0, u16 512 (where
//            the index begins), 5, three 0 bytes, u32 FileSize, 488 zero bytes
//   index:   entry 1 (header) 2, 0, u16 IndexCount, u16 0, u32 0, u32 0;
//            entries 2 to 5 (packets) 2, 8, u16 1, u16 0, u32 Size, u32 Pointer
//   packet:  u16 1, u32 10, u32 Length of its text; then the text
// A packet's Size is its record and text, its Pointer the record's offset.
// Numbers are little-endian.

#include <array>
#include <cstdint>
#include <string>

namespace publish {

class WpFrame {
 public:
  static constexpr std::uint32_t PrefixSize = 512;
  static constexpr std::uint32_t IndexEntrySize = 14;
  static constexpr std::uint32_t PacketRecordSize = 10;
  static constexpr int PacketCount = 4;  // odd and even header, odd and even footer

  explicit WpFrame(bool headersAndFooters);

  // 1, or 5 with headers and footers: the index header and the packets' entries.
  int IndexCount() const { return indexCount_; }
  // Where the packets begin: after the prefix and the whole index.
  std::uint32_t FirstPacket() const { return PrefixSize + IndexEntrySize * indexCount_; }

  std::string Prefix() const;
  // Index entries first to last (1 is the header), as they stand in the file.
  std::string IndexEntries(int first, int last) const;
  // The 10-byte record of the packet of index entry 2 to 5.
  std::string PacketRecord(int entry) const;

  // Enters the text of the packet of entry 2 to 5, written at pointer; the
  // document then starts after it.
  void SetPacket(int entry, std::uint32_t pointer, std::uint32_t textLength);

  std::uint32_t PacketPointer(int entry) const { return packets_[Slot(entry)].pointer; }
  // Its record and text; 0 until its text is entered.
  std::uint32_t PacketSize(int entry) const { return packets_[Slot(entry)].size; }

  std::uint32_t documentStart = 0;
  std::uint32_t fileSize = 0;

 private:
  struct Packet {
    std::uint32_t pointer = 0;
    std::uint32_t size = 0;
    std::uint32_t length = 0;
  };
  static std::size_t Slot(int entry);

  int indexCount_;
  std::array<Packet, PacketCount> packets_{};
};

}  // namespace publish
