#include "KitBlockStream.h"

#include <span>
#include <vector>

#include "KitCompress.h"
#include "KitErrors.h"
#include "KitStreams.h"

namespace kit {

void WriteCompressedBlocks(QIODevice& out, const QByteArray& data) {
  QByteArray frames;
  for (qint64 at = 0; at < data.size(); at += kFramedBlockInput) {
    const qint64 length = std::min(kFramedBlockInput, data.size() - at);
    const auto input = std::span(reinterpret_cast<const std::uint8_t*>(data.constData()) + at,
                                 static_cast<std::size_t>(length));
    const std::vector<std::uint8_t> block = CompressBlock(input);
    AppendUInt32(frames, static_cast<std::uint32_t>(block.size()));
    frames.append(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
  }
  WriteUInt32(out, static_cast<std::uint32_t>(frames.size()));
  WriteBytes(out, frames);
}

QByteArray ReadCompressedBlocks(QIODevice& in) {
  qint64 remaining = ReadUInt32(in);
  if (remaining > BytesLeft(in)) throw EReadError("Stream read error");
  QByteArray data;
  while (remaining > 0) {
    const qint64 length = ReadUInt32(in);
    if (length == 0 || length + 4 > remaining) throw ECompressedDataError("Compressed blocks do not add up");
    const QByteArray block = ReadBytes(in, length);
    const std::vector<std::uint8_t> expanded =
        ExpandBlock(std::span(reinterpret_cast<const std::uint8_t*>(block.constData()), static_cast<std::size_t>(length)));
    data.append(reinterpret_cast<const char*>(expanded.data()), static_cast<qsizetype>(expanded.size()));
    remaining -= length + 4;
  }
  return data;
}

}  // namespace kit
