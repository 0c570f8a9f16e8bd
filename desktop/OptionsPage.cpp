// The Options page of the main window: the engine's folders and search-word
// span shown in its controls. Saving and cancelling come with the page's own
// handlers.

#include <QLineEdit>
#include <QSpinBox>

#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "ui/CheckBox.h"

namespace desktop {
namespace {

constexpr int kSettingsValid = 0x8000;
constexpr int kSettingsColors = 0x0002;
constexpr int kSettingsBold = 0x0004;

}  // namespace

void TIxoBibleMainForm::LoadOptions() {
  engine::TixoEngine& text = engine::Engine();
  if (!text.HtmlDir.empty()) EditRegHTML->setText(QString::fromStdString(text.HtmlDir));
  if (text.Settings & kSettingsValid) {
    // Checking a box may run its click handler, which changes the settings.
    const int kept = text.Settings;
    CheckUseColor->setChecked(kept & kSettingsColors);
    CheckUseBold->setChecked(kept & kSettingsBold);
    text.Settings = kept;
  }
  if (!text.LibraryPath.empty()) EditRegDllName->setText(QString::fromStdString(text.LibraryPath));
  if (text.Sensitivity > 0) EditRegSensitivity->setValue(text.Sensitivity);
}

}  // namespace desktop
