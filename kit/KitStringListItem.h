#pragma once
// An item of a string list: a list of lines. Its body in a stream is the
// lines, each ended by CR LF, as item data, present when flag bit 3 says so
// (a list with lines); an item read without it is emptied.

#include "KitListItem.h"
#include "platform/StringList.h"

namespace kit {

class TKitStringListItem : public TKitListItem {
 public:
  TKitStringListItem();

  const platform::TStringList& Items() const { return items_; }
  void SetItems(const platform::TStringList& items);

  void Clear() override;
  bool IsEmpty() const override { return items_.Empty(); }
  std::uint8_t ItemFlags() const override;
  void AssignItem(const TKitListItem& source) override;

 protected:
  void ReadBody(QIODevice& in, std::uint8_t flags) override;
  void WriteBody(QIODevice& out) const override;

 private:
  platform::TStringList items_;
};

}  // namespace kit
