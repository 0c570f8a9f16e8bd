#include "KitListItem.h"

#include <QPointer>
#include <algorithm>

#include "KitCustomContainer.h"
#include "KitErrors.h"
#include "KitStreams.h"

namespace kit {

namespace {
constexpr std::size_t kLongestDescription = 255;
}

TKitListItem::TKitListItem() : TKitCustomComponent(nullptr) {}

std::uint8_t TKitListItem::ItemFlags() const { return 0; }

void TKitListItem::WriteItem(QIODevice& out) const {
  std::uint8_t flags = ItemFlags();
  if (Compressed) flags |= kItemCompressed;
  if (!Description.empty()) flags |= kItemDescription;
  if (Ident != 0) flags |= kItemIdent;
  WriteByte(out, flags);
  if (flags & kItemDescription) {
    const std::size_t length = std::min(Description.size(), kLongestDescription);
    WriteByte(out, static_cast<std::uint8_t>(length));
    WriteBytes(out, QByteArray(Description.data(), static_cast<qsizetype>(length)));
  }
  if (flags & kItemIdent) WriteUInt32(out, Ident);
  WriteBody(out);
}

void TKitListItem::ReadItem(QIODevice& in) {
  const ChangesLock lock(*this, true);
  const std::uint8_t flags = ReadByte(in);
  Compressed = (flags & kItemCompressed) != 0;
  Description.clear();
  if (flags & kItemDescription) Description = ReadBytes(in, ReadByte(in)).toStdString();
  Ident = (flags & kItemIdent) ? static_cast<std::uint16_t>(ReadUInt32(in) & 0xFFFF) : 0;
  ReadBody(in, flags);
}

void TKitListItem::AssignItem(const TKitListItem& source) {
  Description = source.Description;
  Ident = source.Ident;
  Compressed = source.Compressed;
}

void TKitListItem::RaiseOtherKind() { throw EConvertError("Cannot assign an item of another kind"); }

void TKitListItem::NotifyChange() {
  if (ChangesLocked()) return;
  // A handler may free this item (with its container): then the container
  // is not told.
  const QPointer<TKitListItem> self(this);
  TKitCustomComponent::NotifyChange();
  if (self && container_ != nullptr) container_->NotifyChange();
}

}  // namespace kit
