#pragma once
// An item of a kit list: a description, a 16-bit identifier and whether its
// data is stored compressed. Every item kind is streamed behind one header:
//
//   flags byte: bit 0 compressed, bit 1 a description follows, bit 2 an
//     identifier follows, bits 3-7 for the item kind (ItemFlags);
//   description: a length byte (at most 255) and that many bytes;
//   identifier: 32 bits little-endian, of which the low 16 count;
//   then the item kind's body.

#include <QIODevice>
#include <cstdint>
#include <string>

#include "KitCustomComponent.h"

namespace kit {

class TKitCustomContainer;

inline constexpr std::uint8_t kItemCompressed = 0x01;
inline constexpr std::uint8_t kItemDescription = 0x02;
inline constexpr std::uint8_t kItemIdent = 0x04;
// Bitmap, wave and string items: their data follows.
inline constexpr std::uint8_t kItemData = 0x08;

class TKitListItem : public TKitCustomComponent {
 public:
  TKitListItem();

  std::string Description;
  std::uint16_t Ident = 0;
  bool Compressed = false;

  // The container that holds the item, if any.
  TKitCustomContainer* Container() const { return container_; }

  virtual void Clear() = 0;
  virtual bool IsEmpty() const = 0;
  void ReadItem(QIODevice& in);
  void WriteItem(QIODevice& out) const;
  // The flag bits of the item kind.
  virtual std::uint8_t ItemFlags() const;
  // Copies description, identifier, compression and the kind's data from an
  // item of the same kind (another kind raises EConvertError).
  virtual void AssignItem(const TKitListItem& source);

  // Also tells the container.
  void NotifyChange() override;

 protected:
  virtual void ReadBody(QIODevice& in, std::uint8_t flags) = 0;
  virtual void WriteBody(QIODevice& out) const = 0;

  // The source of AssignItem as an item of the kind Kind; an item of another
  // kind raises EConvertError.
  template <class Kind>
  static const Kind& SameKind(const TKitListItem& source) {
    const auto* item = dynamic_cast<const Kind*>(&source);
    if (item == nullptr) RaiseOtherKind();
    return *item;
  }

 private:
  [[noreturn]] static void RaiseOtherKind();

  friend class TKitCustomContainer;
  TKitCustomContainer* container_ = nullptr;
};

}  // namespace kit
