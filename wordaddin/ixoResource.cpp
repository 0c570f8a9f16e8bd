// The add-in library's exports: the host calls wdAutoOpen when it loads the
// add-in, wdAutoRemove when it unloads it, and the three commands from the
// add-in's menu items. No exception leaves an export into the host.

#include <QApplication>
#include <cstdint>
#include <memory>

#include "Addin.h"
#include "AddinText.h"
#include "Guarded.h"
#include "IxoDocWord.h"
#include "kit/KitUnits.h"
#include "platform/Dialogs.h"
#include "ui/QtDialogService.h"

namespace {

using wordaddin::Guarded;

// The document writer lives as long as the library; null when it could not be made.
std::unique_ptr<wordaddin::TIxoDocument> documentWriter;

wordaddin::Addin& TheAddin() {
  static wordaddin::Addin addin([] { return wordaddin::CreateAddinText(documentWriter.get()); });
  return addin;
}

// The component kit's process-wide objects live while the library is loaded.
const kit::KitUnits kitUnits;

// Library start: the add-in's boxes are shown in the host's application, and
// its text goes into the host's document through one writer.
[[maybe_unused]] const bool libraryStarted = [] {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    platform::SetDialogService(std::make_shared<ui::QtDialogService>());
  }
  try {
    documentWriter = std::make_unique<wordaddin::TIxoDocWord>();
  } catch (...) {
    documentWriter = nullptr;
  }
  return true;
}();

}  // namespace

#define IXO_EXPORT extern "C" __attribute__((visibility("default")))

IXO_EXPORT std::int32_t wdAutoOpen(std::int32_t docRef) {
  Guarded([docRef] { TheAddin().AutoOpen(docRef); });
  return 1;
}

IXO_EXPORT std::int32_t wdAutoRemove() {
  Guarded([] { TheAddin().AutoRemove(); });
  return 1;
}

IXO_EXPORT void ixoInsert() {
  Guarded([] { TheAddin().Insert(); });
}

IXO_EXPORT void ixoSearch() {
  Guarded([] { TheAddin().Search(); });
}

IXO_EXPORT void ixoAboutBox() {
  Guarded([] { TheAddin().AboutBox(); });
}
