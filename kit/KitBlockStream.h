#pragma once
// Compressed-block framing: a 32-bit total, then blocks until the data is
// used up, each a 32-bit length and the compressed form (KitCompress.h) of up
// to 32,781 bytes. The total is the blocks' lengths plus 4 for each block.

#include <QByteArray>
#include <QIODevice>

namespace kit {

inline constexpr qint64 kFramedBlockInput = 32781;

void WriteCompressedBlocks(QIODevice& out, const QByteArray& data);
// Raises EReadError or ECompressedDataError when the frames do not add up.
QByteArray ReadCompressedBlocks(QIODevice& in);

}  // namespace kit
