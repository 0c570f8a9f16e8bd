#pragma once
// A component that tells every registered change link when it changes, after
// its own change event, in the order the links were registered.

#include <vector>

#include "KitCustomComponent.h"

namespace kit {

class TKitChangeLink;

class TKitBaseController : public TKitCustomComponent {
 public:
  explicit TKitBaseController(QObject* owner);
  ~TKitBaseController() override;

  // A null link is ignored; a link registered twice is told twice; a link
  // registered with another controller leaves that one first.
  void RegisterChanges(TKitChangeLink* link);
  // Removes the first registration of the link; nothing when it has none.
  void UnregisterChanges(TKitChangeLink* link);
  const std::vector<TKitChangeLink*>& Links() const { return links_; }

  // Nothing while changes are locked or the component is loading; else its
  // own change event, then every link's Change with this controller as sender.
  void NotifyChange() override;

 private:
  bool IsRegistered(const TKitChangeLink* link) const;

  std::vector<TKitChangeLink*> links_;
};

}  // namespace kit
