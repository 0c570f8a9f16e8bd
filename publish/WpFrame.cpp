#include "publish/WpFrame.h"

#include <cassert>

namespace publish {
namespace {

void PutU16(std::string& bytes, std::uint16_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>(value >> 8);
}

void PutU32(std::string& bytes, std::uint32_t value) {
  PutU16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
  PutU16(bytes, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

WpFrame::WpFrame(bool headersAndFooters) : indexCount_(headersAndFooters ? 1 + PacketCount : 1) {
  documentStart = FirstPacket();
  fileSize = documentStart;
}

std::size_t WpFrame::Slot(int entry) {
  assert(entry >= 2 && entry < 2 + PacketCount);
  return static_cast<std::size_t>(entry - 2);
}

std::string WpFrame::Prefix() const {
  std::string bytes = "\xFFWPC";
  PutU32(bytes, documentStart);
  bytes += {1, 10, 2, 4};
  PutU16(bytes, 0);  // not encrypted
  PutU16(bytes, static_cast<std::uint16_t>(PrefixSize));
  bytes += {5, 0, 0, 0};
  PutU32(bytes, fileSize);
  bytes.resize(PrefixSize, '\0');
  return bytes;
}

std::string WpFrame::IndexEntries(int first, int last) const {
  std::string bytes;
  for (int entry = first; entry <= last && entry <= indexCount_; ++entry) {
    if (entry == 1) {
      bytes += {2, 0};
      PutU16(bytes, static_cast<std::uint16_t>(indexCount_));
      PutU16(bytes, 0);
      PutU32(bytes, 0);
      PutU32(bytes, 0);
    } else {
      bytes += {2, 8};
      PutU16(bytes, 1);
      PutU16(bytes, 0);
      PutU32(bytes, PacketSize(entry));
      PutU32(bytes, PacketPointer(entry));
    }
  }
  return bytes;
}

std::string WpFrame::PacketRecord(int entry) const {
  std::string bytes;
  PutU16(bytes, 1);
  PutU32(bytes, PacketRecordSize);
  PutU32(bytes, packets_[Slot(entry)].length);
  return bytes;
}

void WpFrame::SetPacket(int entry, std::uint32_t pointer, std::uint32_t textLength) {
  packets_[Slot(entry)] = Packet{pointer, PacketRecordSize + textLength, textLength};
  documentStart = pointer + PacketRecordSize + textLength;
  fileSize = documentStart;
}

}  // namespace publish
