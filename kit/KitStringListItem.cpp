#include "KitStringListItem.h"

#include <string>
#include <vector>

#include "KitItemData.h"

namespace kit {

namespace {

// The lines of a text that ends its lines in CR LF, CR or LF.
std::vector<std::string> Lines(const QByteArray& text) {
  std::vector<std::string> lines;
  std::string line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

TKitStringListItem::TKitStringListItem() = default;

void TKitStringListItem::SetItems(const platform::TStringList& items) {
  items_ = items;
  NotifyChange();
}

void TKitStringListItem::Clear() {
  items_.Clear();
  NotifyChange();
}

std::uint8_t TKitStringListItem::ItemFlags() const { return IsEmpty() ? 0 : kItemData; }

void TKitStringListItem::AssignItem(const TKitListItem& source) {
  const auto& strings = SameKind<TKitStringListItem>(source);
  const ChangesLock lock(*this, true);
  TKitListItem::AssignItem(source);
  items_ = strings.items_;
}

void TKitStringListItem::ReadBody(QIODevice& in, std::uint8_t flags) {
  items_.Clear();
  if (flags & kItemData) items_.Assign(Lines(ReadItemData(in, Compressed)));
}

void TKitStringListItem::WriteBody(QIODevice& out) const {
  if (!IsEmpty()) WriteItemData(out, QByteArray::fromStdString(items_.Text()), Compressed);
}

}  // namespace kit
