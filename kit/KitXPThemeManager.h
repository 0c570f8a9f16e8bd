#pragma once
// Follows the visual theme for the form that owns it: when the form's window
// is made the application object takes up its theme flag, and when the
// system's theme changes while themes are in use the kit's theme support is
// switched off and on again. It consumes both messages.
//
// The kit keeps one instance without an owner, which never hooks and so
// stays idle.

#include "KitWndProcComponent.h"

namespace kit {

class TKitXPThemeManager : public TKitWndProcComponent {
 public:
  explicit TKitXPThemeManager(QObject* owner);

  void OwnerMessage(TMessage& message) override;

 private:
  // Switching the support sends WM_THEMECHANGED to the forms again, this one's
  // owner among them: that one is not answered.
  bool switching_ = false;
};

// The kit's instance; throws EKitError when the kit is not initialised.
TKitXPThemeManager& XPThemeManager();

}  // namespace kit
