#include "KitUnits.h"

#include <QApplication>
#include <memory>

#include "Application.h"
#include "HiddenWindow.h"
#include "Icon.h"
#include "KitClass.h"
#include "KitCont.h"
#include "KitErrors.h"
#include "KitHandles.h"
#include "KitTrayIcon.h"
#include "KitXPThemeManager.h"
#include "QtTrayShell.h"
#include "WavePlayer.h"

namespace kit {

// Made in the order of the members, freed in the reverse one.
struct KitUnits::Units {
  // The handle tables outlive every object below, whose windows and icons
  // let go of their handles when they are freed.
  HandlesOf<HiddenWindow> windowHandles;
  HandlesOf<const TIcon> iconHandles;
  std::unique_ptr<TApplication> application = std::make_unique<TApplication>();
  // Visual themes come with the widget styles of a widget application.
  std::unique_ptr<TKitApplication> kitApplication =
      std::make_unique<TKitApplication>(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr);
  std::unique_ptr<TKitXPThemeManager> themeManager = std::make_unique<TKitXPThemeManager>(nullptr);
  std::unique_ptr<TKitContainer> container = std::make_unique<TKitContainer>(nullptr);
  std::unique_ptr<WavePlayer> wavePlayer = std::make_unique<WavePlayer>();
  std::shared_ptr<TrayShell> trayShell = std::make_shared<QtTrayShell>();
  // The shell tells top-level windows by this message that it started anew.
  std::uint32_t taskbarCreated = RegisterWindowMessage("TaskbarCreated");

  // Each goes while the ones made before it can still be asked for.
  void Free() {
    trayShell.reset();
    wavePlayer.reset();
    container.reset();
    themeManager.reset();
    kitApplication.reset();
    application.reset();
  }
};

namespace {

using Units = KitUnits::Units;

// The objects of the KitUnits that lives; it owns them. Not an owner itself,
// so that it needs no destruction of its own when a library is unloaded.
Units* units = nullptr;

template <typename Member>
Member& Get(std::unique_ptr<Member> Units::*member) {
  if (units == nullptr || (*units.*member) == nullptr) throw EKitError("The component kit is not initialised");
  return *(*units.*member);
}

}  // namespace

KitUnits::KitUnits() {
  if (units != nullptr) throw EKitError("The component kit is initialised already");
  units_ = std::make_unique<Units>();
  units = units_.get();
}

KitUnits::~KitUnits() {
  units_->Free();
  units = nullptr;
}

bool KitInitialized() { return units != nullptr; }

TApplication& Application() { return Get(&Units::application); }
TKitApplication& KitApplication() { return Get(&Units::kitApplication); }
TKitXPThemeManager& XPThemeManager() { return Get(&Units::themeManager); }
TKitContainer& GlobalContainer() { return Get(&Units::container); }
HandlesOf<HiddenWindow>* WindowHandles() { return units == nullptr ? nullptr : &units->windowHandles; }
HandlesOf<const TIcon>* IconHandles() { return units == nullptr ? nullptr : &units->iconHandles; }
WavePlayer* TheWavePlayer() { return units == nullptr ? nullptr : units->wavePlayer.get(); }

TrayShell* CurrentTrayShell() { return units == nullptr ? nullptr : units->trayShell.get(); }

std::shared_ptr<TrayShell> SetTrayShell(std::shared_ptr<TrayShell> shell) {
  if (units == nullptr) throw EKitError("The component kit is not initialised");
  if (!shell) shell = std::make_shared<QtTrayShell>();
  std::swap(units->trayShell, shell);
  return shell;
}

std::uint32_t TaskbarCreatedMessage() { return units == nullptr ? 0 : units->taskbarCreated; }

}  // namespace kit
