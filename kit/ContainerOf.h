#pragma once
// What a list of one kind of item adds to the container it stands on: new
// items of its kind with the list's defaults, and which items and lists it
// takes. List is the list's own class, Item its kind of item.

#include <memory>

#include "KitCustomContainer.h"

namespace kit {

template <class List, class Item, class Base = TKitCustomContainer>
class ContainerOf : public Base {
 public:
  using Base::Base;

 protected:
  std::unique_ptr<TKitListItem> CreateItem() const override {
    auto item = std::make_unique<Item>();
    item->Compressed = this->DefaultCompressed;
    // The items of image lists take the list's pixel format too.
    if constexpr (requires { item->PixelFormat; }) item->PixelFormat = this->DefaultPixelFormat;
    return item;
  }
  bool AcceptsItem(const TKitListItem& item) const override { return dynamic_cast<const Item*>(&item) != nullptr; }
  bool AcceptsAssign(const TKitCustomContainer& source) const override {
    return dynamic_cast<const List*>(&source) != nullptr;
  }
};

}  // namespace kit
