#include "KitCustomContainer.h"

#include "KitErrors.h"
#include "KitStreams.h"

namespace kit {

TKitCustomContainer::TKitCustomContainer(QObject* owner, TKitListType listType)
    : TKitBaseController(owner), listType_(listType) {}

TKitCustomContainer::~TKitCustomContainer() {
  LockChanges();
  items_.clear();
}

TKitListItem& TKitCustomContainer::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(ListIndexMessage(index));
  return *items_[static_cast<std::size_t>(index)];
}

TKitListItem& TKitCustomContainer::Add(std::unique_ptr<TKitListItem> item) {
  if (!item) item = CreateItem();
  // The typed accessors of each list take its items for its own kind.
  if (!AcceptsItem(*item)) throw EConvertError("Cannot add an item of another kind");
  item->container_ = this;
  items_.push_back(std::move(item));
  NotifyChange();
  return *items_.back();
}

void TKitCustomContainer::Clear() {
  items_.clear();
  NotifyChange();
}

void TKitCustomContainer::AssignSettings(const TKitCustomContainer& source) {
  DefaultCompressed = source.DefaultCompressed;
}

void TKitCustomContainer::Assign(const TKitCustomContainer& source) {
  if (&source == this) return;
  if (!AcceptsAssign(source)) throw EConvertError("Cannot assign a list of another kind");
  const ChangesLock lock(*this, true);
  Clear();
  AssignSettings(source);
  for (const auto& item : source.items_) Add().AssignItem(*item);
}

void TKitCustomContainer::SaveItems(QIODevice& out, bool indexed) const {
  WriteUInt32(out, static_cast<std::uint32_t>(items_.size()));
  const qint64 table = out.pos();
  if (indexed) WriteBytes(out, QByteArray(4 * Count(), '\0'));
  std::vector<std::uint32_t> positions;
  for (const auto& item : items_) {
    positions.push_back(static_cast<std::uint32_t>(out.pos()));
    item->WriteItem(out);
  }
  if (!indexed) return;
  const qint64 end = out.pos();
  SeekTo(out, table);
  for (std::uint32_t position : positions) WriteUInt32(out, position);
  SeekTo(out, end);
}

void TKitCustomContainer::LoadItems(QIODevice& in, bool indexed) {
  const ChangesLock lock(*this, true);
  Clear();
  const qint64 count = ReadUInt32(in);
  // Every item takes at least its flags byte (and an offset when indexed).
  if (count * (indexed ? 5 : 1) > BytesLeft(in)) throw EReadError("Stream read error");
  if (indexed) SeekTo(in, in.pos() + 4 * count);
  for (qint64 i = 0; i < count; ++i) Add().ReadItem(in);
}

}  // namespace kit
