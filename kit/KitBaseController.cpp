#include "KitBaseController.h"

#include <QPointer>
#include <algorithm>

#include "KitChangeLink.h"

namespace kit {

TKitBaseController::TKitBaseController(QObject* owner) : TKitCustomComponent(owner) {}

TKitBaseController::~TKitBaseController() {
  while (!links_.empty()) UnregisterChanges(links_.back());
}

void TKitBaseController::RegisterChanges(TKitChangeLink* link) {
  if (link == nullptr) return;
  // A link serves one controller: it leaves another one it was registered with.
  while (link->controller_ != nullptr && link->controller_ != this) link->controller_->UnregisterChanges(link);
  link->controller_ = this;
  links_.push_back(link);
}

void TKitBaseController::UnregisterChanges(TKitChangeLink* link) {
  const auto found = std::find(links_.begin(), links_.end(), link);
  if (found == links_.end()) return;
  links_.erase(found);
  // The link keeps its controller while it is still registered a second time.
  if (!IsRegistered(link)) link->controller_ = nullptr;
}

bool TKitBaseController::IsRegistered(const TKitChangeLink* link) const {
  return std::find(links_.begin(), links_.end(), link) != links_.end();
}

void TKitBaseController::NotifyChange() {
  if (ChangesLocked() || IsLoading()) return;
  // A handler may free this controller: then no link is told any more.
  const QPointer<TKitBaseController> self(this);
  TKitCustomComponent::NotifyChange();
  if (!self) return;
  // A handler may unregister or free links: walk a copy and call only the
  // links that are still registered.
  const auto links = links_;
  for (TKitChangeLink* link : links) {
    if (IsRegistered(link)) link->Change();
    if (!self) return;
  }
}

}  // namespace kit
