#include "Component.h"

#include "Application.h"

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
    // Told from inside the other component's destructor: what the handlers
    // raise is reported there, as nothing may leave a destructor.
    RunGuarded([&] { Notification(gone, TOperation::opRemove); });
  });
}

}  // namespace kit
