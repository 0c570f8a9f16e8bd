#include "KitStreams.h"

#include "KitErrors.h"

namespace kit {

QByteArray ReadBytes(QIODevice& in, qint64 count) {
  if (count < 0 || count > BytesLeft(in)) throw EReadError("Stream read error");
  QByteArray bytes = in.read(count);
  if (bytes.size() != count) throw EReadError("Stream read error");
  return bytes;
}

std::uint8_t ReadByte(QIODevice& in) { return static_cast<std::uint8_t>(ReadBytes(in, 1)[0]); }

std::uint32_t ReadUInt32(QIODevice& in) { return LittleEndianAt(ReadBytes(in, 4), 0, 4); }

std::uint32_t LittleEndianAt(const QByteArray& bytes, qsizetype at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

void WriteBytes(QIODevice& out, const QByteArray& bytes) {
  if (out.write(bytes) != bytes.size()) throw EStreamError("Stream write error");
}

void WriteByte(QIODevice& out, std::uint8_t value) { WriteBytes(out, QByteArray(1, static_cast<char>(value))); }

void WriteUInt32(QIODevice& out, std::uint32_t value) {
  QByteArray bytes;
  AppendUInt32(bytes, value);
  WriteBytes(out, bytes);
}

void AppendUInt32(QByteArray& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

qint64 BytesLeft(const QIODevice& in) { return in.size() - in.pos(); }

void SeekTo(QIODevice& device, qint64 position) {
  if (!device.seek(position)) throw EStreamError("Stream seek error");
}

}  // namespace kit
