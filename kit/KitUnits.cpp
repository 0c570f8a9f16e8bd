#include "KitUnits.h"

#include <memory>

#include "Application.h"
#include "KitErrors.h"

namespace kit {

namespace {

// Members are made in this order and freed in the reverse one.
struct Units {
  std::unique_ptr<TApplication> application = std::make_unique<TApplication>();
};

std::unique_ptr<Units> units;

Units& Initialized() {
  if (units == nullptr) throw EKitError("The component kit is not initialised");
  return *units;
}

}  // namespace

KitUnits::KitUnits() {
  if (units != nullptr) throw EKitError("The component kit is initialised already");
  units = std::make_unique<Units>();
}

KitUnits::~KitUnits() { units.reset(); }

bool KitInitialized() { return units != nullptr; }

TApplication& Application() { return *Initialized().application; }

}  // namespace kit
