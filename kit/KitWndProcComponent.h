#pragma once
// A component without a window of its own that puts itself in front of its
// owner form: while hooked, every message of the form passes through
// OwnerMessage first, which passes it on, consumes it or adds its own work.
//
// The hook is an event filter on the owner widget: Qt events become messages
// (OwnerMessages.h). Several components may hook one form; each sees the
// messages the ones hooked after it pass on, and they may unhook in any order.
// The filter stays on the widget when Qt re-creates its native window, so no
// hooking again is needed after that.

#include <QPointer>

#include "KitCustomComponent.h"
#include "KitMessages.h"

class QWidget;

namespace kit {

class TKitWndProcComponent : public TKitCustomComponent {
 public:
  explicit TKitWndProcComponent(QObject* owner);
  ~TKitWndProcComponent() override;

  // Attaches the hook at run time (at design time only with DesignHook).
  void Loaded() override;

  bool HookEnabled() const { return hookEnabled_; }
  void SetHookEnabled(bool value);
  bool DesignHook() const { return designHook_; }
  void SetDesignHook(bool value);
  // Taken only while loading or at design time.
  bool HookApplication() const { return hookApplication_; }
  void SetHookApplication(bool value);

  // The widget the hook is put on: the owner when it is a widget, else null.
  QWidget* HookedHandle() const;
  bool IsHooked() const { return !hooked_.isNull(); }

  // The application window's messages while HookApplication; true (handled)
  // in the base.
  virtual bool AppMessage(TMessage& message);
  // Hooks when enabled and not hooked yet.
  virtual void AttachHook();
  virtual void DetachHook();
  // Every owner message while hooked; the base passes each one on.
  virtual void OwnerMessage(TMessage& message);
  // At design time with DesignHook off: unhooks.
  virtual void DesignHookChanged();
  // After every change of HookEnabled; nothing in the base.
  virtual void HookStateChanged();

 protected:
  void PassToOwner(TMessage& message);
  // True when hooked now.
  bool SubclassOwner();
  bool UnsubclassOwner();

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Runs OwnerMessage; true when the message was passed on (or its handler
  // failed, which the application's exception handler reports).
  bool DeliverOwnerMessage(TMessage& message);

  bool hookEnabled_ = true;
  bool designHook_ = false;
  bool hookApplication_ = false;
  bool applicationHooked_ = false;
  QPointer<QWidget> hooked_;
};

}  // namespace kit
