#include "KitListFile.h"

#include <QFile>
#include <array>

#include "KitErrors.h"
#include "KitListItem.h"
#include "KitStreams.h"

namespace kit {

namespace {

constexpr std::array<const char*, 6> kSignatures = {"KITIML30", "KITBML30", "KITWVL30",
                                                    "KITSLL30", "KITGLL50", "KITRTL50"};
constexpr std::array<const char*, 6> kExtensions = {"iml", "bmp", "wav", "txt", "*", "rtf"};
constexpr qint64 kSignatureSize = 9;

}  // namespace

std::string ListSignature(TKitListType type) {
  const auto index = static_cast<std::size_t>(type);
  return index < kSignatures.size() ? kSignatures[index] : "";
}

std::string ListFileExtension(TKitListType type, bool withDot) {
  const auto index = static_cast<std::size_t>(type);
  if (index >= kExtensions.size()) return {};
  const std::string extension(kExtensions[index]);
  return withDot ? "." + extension : extension;
}

TKitListType ListFileType(QIODevice& in) {
  const QByteArray signature = in.read(kSignatureSize);
  if (signature.size() != kSignatureSize || signature[0] != 8) return TKitListType::ltUnknown;
  for (std::size_t i = 0; i < kSignatures.size(); ++i) {
    if (signature.mid(1) == kSignatures[i]) return static_cast<TKitListType>(i);
  }
  return TKitListType::ltUnknown;
}

TKitListType ListFileType(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return TKitListType::ltUnknown;
  return ListFileType(file);
}

void ReadListFileItem(const std::string& path, TKitListType expected, int index, TKitListItem& item) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly) || expected == TKitListType::ltUnknown || ListFileType(file) != expected)
    throw EFOpenError(CannotOpenFileMessage(path));
  const std::uint32_t count = ReadUInt32(file);
  if (index < 0 || static_cast<std::uint32_t>(index) >= count) throw EListError(ListIndexMessage(index));
  SeekTo(file, file.pos() + 4LL * index);
  const qint64 offset = ReadUInt32(file);
  if (offset >= file.size()) throw EReadError("Stream read error");
  SeekTo(file, offset);
  item.ReadItem(file);
}

}  // namespace kit
