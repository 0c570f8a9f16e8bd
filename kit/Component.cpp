#include "Component.h"

namespace kit {

TComponent::TComponent(QObject* owner) : QObject(owner) {}

std::string TComponent::Name() const { return objectName().toStdString(); }

void TComponent::SetName(const std::string& name) { setObjectName(QString::fromStdString(name)); }

void TComponent::Loaded() { loading_ = false; }

void TComponent::Notification(QObject*, TOperation) {}

void TComponent::FreeNotification(QObject* component) {
  if (component == nullptr || component == this || !watched_.insert(component).second) return;
  connect(component, &QObject::destroyed, this, [this](QObject* gone) {
    watched_.erase(gone);
    Notification(gone, TOperation::opRemove);
  });
}

}  // namespace kit
