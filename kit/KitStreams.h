#pragma once
// Reading and writing the kit's stream formats on a Qt device: little-endian
// integers and exact byte counts. A short read or a failed write raises
// EReadError or EStreamError.

#include <QByteArray>
#include <QIODevice>
#include <cstdint>

namespace kit {

QByteArray ReadBytes(QIODevice& in, qint64 count);
std::uint8_t ReadByte(QIODevice& in);
std::uint32_t ReadUInt32(QIODevice& in);

void WriteBytes(QIODevice& out, const QByteArray& bytes);
void WriteByte(QIODevice& out, std::uint8_t value);
void WriteUInt32(QIODevice& out, std::uint32_t value);
// The four bytes of value, least significant first, added at the end of out.
void AppendUInt32(QByteArray& out, std::uint32_t value);

// The little-endian number of so many bytes (up to 4) at that place of the
// bytes, which must hold them.
std::uint32_t LittleEndianAt(const QByteArray& bytes, qsizetype at, int count);

// The bytes left to read on a device of known size.
qint64 BytesLeft(const QIODevice& in);
void SeekTo(QIODevice& device, qint64 position);

}  // namespace kit
