#include "KitItemData.h"

#include "KitBlockStream.h"
#include "KitDib.h"
#include "KitStreams.h"

namespace kit {

void WriteItemData(QIODevice& out, const QByteArray& data, bool compressed) {
  if (compressed) {
    WriteCompressedBlocks(out, data);
    return;
  }
  WriteUInt32(out, static_cast<std::uint32_t>(data.size()));
  WriteBytes(out, data);
}

QByteArray ReadItemData(QIODevice& in, bool compressed) {
  if (compressed) return ReadCompressedBlocks(in);
  const qint64 count = ReadUInt32(in);
  return ReadBytes(in, count);
}

void WriteBitmapData(QIODevice& out, const QImage& image, int pixelFormatCode, bool compressed) {
  WriteItemData(out, WriteBitmapFile(image, BitsForCode(pixelFormatCode, image)), compressed);
}

QImage ReadBitmapData(QIODevice& in, bool compressed) { return ReadBitmapFile(ReadItemData(in, compressed)); }

}  // namespace kit
