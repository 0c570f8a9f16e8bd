#pragma once
// The kit's list files: a 9-byte signature (a length byte 8 and eight
// letters), a 32-bit item count, one 32-bit file offset per item, and the
// items in the item stream format (KitListItem.h).

#include <QIODevice>
#include <string>

namespace kit {

class TKitListItem;

enum class TKitListType { ltImageList, ltBitmapList, ltWaveList, ltStringList, ltGraphicList, ltRichTextList, ltUnknown };

// "KITIML30", "KITBML30", "KITWVL30", "KITSLL30", "KITGLL50", "KITRTL50";
// empty for ltUnknown.
std::string ListSignature(TKitListType type);
// "iml", "bmp", "wav", "txt", "*", "rtf" (with a leading "." on request);
// empty for ltUnknown.
std::string ListFileExtension(TKitListType type, bool withDot);

// The type whose signature the device's next 9 bytes hold; ltUnknown when
// none does (or fewer bytes are there).
TKitListType ListFileType(QIODevice& in);
TKitListType ListFileType(const std::string& path);

// Reads item number index of the list file into item. A file that cannot be
// opened or has another signature raises EFOpenError "Cannot open file
// <path>"; an index beyond the items raises EListError; an offset outside the
// file or a damaged item raises EReadError.
void ReadListFileItem(const std::string& path, TKitListType expected, int index, TKitListItem& item);

}  // namespace kit
