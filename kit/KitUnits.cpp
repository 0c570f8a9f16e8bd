#include "KitUnits.h"

#include <QApplication>
#include <memory>

#include "Application.h"
#include "KitClass.h"
#include "KitCont.h"
#include "KitErrors.h"
#include "KitXPThemeManager.h"
#include "WavePlayer.h"

namespace kit {

namespace {

// Made in the order of the members, freed in the reverse one.
struct Units {
  std::unique_ptr<TApplication> application = std::make_unique<TApplication>();
  // Visual themes come with the widget styles of a widget application.
  std::unique_ptr<TKitApplication> kitApplication =
      std::make_unique<TKitApplication>(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr);
  std::unique_ptr<TKitXPThemeManager> themeManager = std::make_unique<TKitXPThemeManager>(nullptr);
  std::unique_ptr<TKitContainer> container = std::make_unique<TKitContainer>(nullptr);
  std::unique_ptr<WavePlayer> wavePlayer = std::make_unique<WavePlayer>();

  // Each goes while the ones made before it can still be asked for.
  void Free() {
    wavePlayer.reset();
    container.reset();
    themeManager.reset();
    kitApplication.reset();
    application.reset();
  }
};

std::unique_ptr<Units> units;

template <typename Member>
Member& Get(std::unique_ptr<Member> Units::*member) {
  if (units == nullptr || (*units.*member) == nullptr) throw EKitError("The component kit is not initialised");
  return *(*units.*member);
}

}  // namespace

KitUnits::KitUnits() {
  if (units != nullptr) throw EKitError("The component kit is initialised already");
  units = std::make_unique<Units>();
}

KitUnits::~KitUnits() {
  units->Free();
  units.reset();
}

bool KitInitialized() { return units != nullptr; }

TApplication& Application() { return Get(&Units::application); }
TKitApplication& KitApplication() { return Get(&Units::kitApplication); }
TKitXPThemeManager& XPThemeManager() { return Get(&Units::themeManager); }
TKitContainer& GlobalContainer() { return Get(&Units::container); }
WavePlayer* TheWavePlayer() { return units == nullptr ? nullptr : units->wavePlayer.get(); }

}  // namespace kit
