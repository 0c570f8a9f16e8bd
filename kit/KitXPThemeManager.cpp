#include "KitXPThemeManager.h"

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
        switching_ = true;
        application.SetThemeSupport(false);
        application.SetThemeSupport(true);
        switching_ = false;
      }
      return;
    default:
      TKitWndProcComponent::OwnerMessage(message);
  }
}

}  // namespace kit
