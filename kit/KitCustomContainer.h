#pragma once
// A list of items of one kind, which tells its change links when it changes.
//
// Its stream: a 32-bit item count; in the indexed form then one 32-bit
// absolute stream position per item; then the items one after another.

#include <QIODevice>
#include <memory>
#include <string>
#include <vector>

#include "KitBaseController.h"
#include "KitListFile.h"
#include "KitListItem.h"
#include "KitPaths.h"

namespace kit {

class TKitCustomContainer : public TKitBaseController {
 public:
  TKitCustomContainer(QObject* owner, TKitListType listType);
  ~TKitCustomContainer() override;

  TKitListType ListType() const { return listType_; }
  bool DefaultCompressed = false;
  // The list file that items may come from (see the bitmap list), in the
  // folder of PathPrefix.
  std::string FileName;
  TKitPathPrefix PathPrefix = TKitPathPrefix::ppProgram;

  int Count() const { return static_cast<int>(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }
  // Raises EListError for an index outside the items.
  TKitListItem& Item(int index) const;

  // Appends the item (a new one of the container's kind when none is given)
  // and notifies; an item of another kind raises EConvertError.
  TKitListItem& Add(std::unique_ptr<TKitListItem> item = nullptr);
  // Frees every item and notifies.
  void Clear();
  // From a container of this class or a class derived from it (another
  // raises EConvertError): its settings and a copy of every item, with one
  // notification at the end.
  void Assign(const TKitCustomContainer& source);

  void SaveItems(QIODevice& out, bool indexed) const;
  // Replaces the items by those of the stream, with one notification at the
  // end, also when the stream fails halfway.
  void LoadItems(QIODevice& in, bool indexed);

 protected:
  // A new item of the container's kind.
  virtual std::unique_ptr<TKitListItem> CreateItem() const = 0;
  // Whether the item is of the container's kind (or derived from it).
  virtual bool AcceptsItem(const TKitListItem& item) const = 0;
  // Whether source is of this container's class or one derived from it.
  virtual bool AcceptsAssign(const TKitCustomContainer& source) const = 0;
  // The settings of the container kind that Assign copies.
  virtual void AssignSettings(const TKitCustomContainer& source);

 private:
  TKitListType listType_;
  std::vector<std::unique_ptr<TKitListItem>> items_;
};

}  // namespace kit
