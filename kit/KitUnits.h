#pragma once
// The kit's process-wide objects, made when the kit is initialised and freed
// when it is finalised: the handle tables of the kit's hidden windows and
// icons, the class library's application object, then the
// kit's own application object with its timer pool and settings component,
// the theme manager, the global container, the wave player and the tray
// shell (with the number of the shell's "TaskbarCreated" message). A library
// that holds the kit keeps one KitUnits for as long as it is loaded (a
// static object of its load unit); a program or a test keeps one for as long
// as it uses the kit.
// Make it after the QApplication and free it before.

#include <memory>

namespace kit {

class KitUnits {
 public:
  // Throws EKitError when another KitUnits lives already.
  KitUnits();
  ~KitUnits();
  KitUnits(const KitUnits&) = delete;
  KitUnits& operator=(const KitUnits&) = delete;

  struct Units;

 private:
  std::unique_ptr<Units> units_;
};

// True while a KitUnits lives.
bool KitInitialized();

}  // namespace kit
