#include "KitXPThemeManager.h"

#include <QScopeGuard>

#include "KitClass.h"

namespace kit {

TKitXPThemeManager::TKitXPThemeManager(QObject* owner) : TKitWndProcComponent(owner) {}

void TKitXPThemeManager::OwnerMessage(TMessage& message) {
  TKitApplication& application = KitApplication();
  switch (message.Msg) {
    case WM_CREATE:
      application.InitThemeSupport();
      return;
    case WM_THEMECHANGED:
      if (application.UseThemes() && !switching_) {
        // Cleared also when switching raises, so that the next change is
        // answered again.
        const auto done = qScopeGuard([this] { switching_ = false; });
        switching_ = true;
        application.SetThemeSupport(false);
        application.SetThemeSupport(true);
      }
      return;
    default:
      TKitWndProcComponent::OwnerMessage(message);
  }
}

}  // namespace kit
