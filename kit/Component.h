#pragma once
// The component base of the kit, standing in for the class library's
// component: an owner (the QObject parent, which frees its components), a
// name (the objectName), a tag, the loading and design-time states, the
// Loaded step after the properties are set, and free notification (a
// component learns when another one it refers to is destroyed).
//
// A form that builds a component the way the form reader would calls
// BeginLoading, sets the properties and then Loaded.

#include <QObject>
#include <set>
#include <string>

namespace kit {

enum class TOperation { opInsert, opRemove };

class TComponent : public QObject {
 public:
  explicit TComponent(QObject* owner);

  QObject* Owner() const { return parent(); }
  std::string Name() const;
  void SetName(const std::string& name);
  int Tag = 0;

  bool IsLoading() const { return loading_; }
  bool IsDesigning() const { return designing_; }

  // The reader's part: properties set from now on are set while loading.
  void BeginLoading() { loading_ = true; }
  // Called once the properties are set; the base ends the loading state.
  virtual void Loaded();
  // The form designer's part: the component is edited, not run.
  void SetDesigning(bool designing) { designing_ = designing; }

  // Called with opRemove when a component this one asked to be told about is
  // destroyed (only its QObject part is left then: compare, do not call).
  // What it raises is reported through the application's exception handler.
  virtual void Notification(QObject* component, TOperation operation);
  void FreeNotification(QObject* component);

 private:
  std::set<QObject*> watched_;  // components that notify this one when destroyed
  bool loading_ = false;
  bool designing_ = false;
};

}  // namespace kit
