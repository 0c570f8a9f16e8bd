// The Options page of the main window: the engine's folders and search-word
// span shown in its controls, saving the per-user settings to the registry
// store and reading them back, the hidden switches, and rewriting every
// chapter page.

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <vector>

#include "ChapterPagesMarker.h"
#include "engine/ixoObject.h"
#include "ixoMain.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/RegistryHive.h"
#include "publish/HtmlPages.h"
#include "ui/BusyCursor.h"
#include "ui/CheckBox.h"
#include "ui/EventPump.h"

namespace desktop {
namespace {

constexpr int kSettingsValid = 0x8000;
constexpr int kSettingsUnused = 0x0001;
constexpr int kSettingsColors = 0x0002;
constexpr int kSettingsBold = 0x0004;

// The spans the registry keeps; the engine uses any span until the program ends.
constexpr int kLowestStoredSpan = 1;
constexpr int kHighestStoredSpan = 99;

constexpr char kRestartMessage[] =
    "You may need to restart the Ixo Bible after changing some options for these settings to take effect.";
constexpr char kLargePrintRestartMessage[] =
    "You may need to restart the Ixo Bible after changing some options (such as the \"Large Print\" option) "
    "for these settings to take effect.";
constexpr char kSavedMessage[] =
    "Options have been saved.\nThe program will now terminate to complete the installation.";

// Writes the per-user values in their order, in one write of the store: all
// of them or, when the store refuses one, none. The span is written only when
// it was given and lies in the stored range.
bool WriteUserSettings(platform::TRegistry& registry, const engine::TixoEngine& text, bool spanGiven) {
  using platform::RegistryValue;
  std::vector<RegistryValue> values;
  if (spanGiven && text.Sensitivity >= kLowestStoredSpan && text.Sensitivity <= kHighestStoredSpan)
    values.push_back(RegistryValue::Integer("Sensitivity", text.Sensitivity));
  if (!text.DocumentDir.empty()) values.push_back(RegistryValue::String("Document", text.DocumentDir));
  values.push_back(RegistryValue::String("Colors", text.Colors.CommaText()));
  values.push_back(RegistryValue::Integer("Settings", text.Settings | kSettingsValid));
  return registry.WriteValues(values);
}

// Ends the run as soon as the waiting messages have run; windows are not asked.
void TerminateProgram() {
  ui::EventPump::ProcessPending();
  QCoreApplication::exit(0);
}

}  // namespace

void TIxoBibleMainForm::BindOptionsPage() {
  connect(ButtonRegSave, &QPushButton::clicked, this, [this] { ButtonRegSaveClick(); });
  connect(ButtonRegCancel, &QPushButton::clicked, this, [this] { ButtonRegCancelClick(); });
  connect(ButtonReset, &QPushButton::clicked, this, [this] { ButtonResetClick(); });
  connect(EditRegSensitivity, &QSpinBox::valueChanged, this, [this] { EditRegSensitivityChange(); });
  CheckUseColor->OnClick = [this] { ConfigStateChange(); };
  CheckUseBold->OnClick = [this] { ConfigStateChange(); };
  LargePrint->OnClick = [this] { LargePrintClick(); };
}

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

void TIxoBibleMainForm::ButtonRegSaveClick() {
  engine::TixoEngine& text = engine::Engine();
  // The HTML folder and the library path go into the engine only.
  if (!EditRegHTML->text().isEmpty()) text.HtmlDir = EditRegHTML->text().toStdString();
  if (!EditRegDllName->text().isEmpty()) text.LibraryPath = EditRegDllName->text().toStdString();
  // A span that is no number (the edit emptied) leaves the engine's span as it
  // was, and the edit shows it again; the store keeps its own.
  bool isNumber = false;
  const int span = EditRegSensitivity->text().toInt(&isNumber);
  if (isNumber)
    text.Sensitivity = span;
  else
    EditRegSensitivity->setValue(text.Sensitivity);

  platform::MessageDlg(FLargePrintChanged ? kLargePrintRestartMessage : kRestartMessage,
                       platform::DialogType::Information);
  text.Colors.Clear();  // the highlight entries are dropped

  // The per-user branch of the store, as the machine root is only the default.
  platform::TRegistry registry(platform::RootKey::LocalMachine);
  registry.SetRootKey(platform::RootKey::CurrentUser);
  bool saved = false;
  if (registry.OpenKey(engine::ProductKey, true)) {
    saved = WriteUserSettings(registry, text, isNumber);
    registry.CloseKey();
  }
  if (!saved) {
    // The engine keeps the new values for this run; ending it now would lose them.
    platform::MessageDlg("The options could not be saved in the settings store '" + platform::RegistryFolder() +
                             "'. They apply until the program ends.",
                         platform::DialogType::Error);
  } else if (platform::MessageDlg(kSavedMessage, platform::DialogType::Information,
                                  platform::DialogButtons::OKCancel) == platform::ModalResult::OK) {
    TerminateProgram();
  }
  UpdateTitle();
}

void TIxoBibleMainForm::ButtonRegCancelClick() {
  engine::Engine().ReadSettings();
  LoadOptions();
  ConfigStateChange();
}

void TIxoBibleMainForm::ConfigStateChange() {
  if (!FOptionsReady) return;
  FOptionsReady = false;  // the clicks below must not come back here
  engine::TixoEngine& text = engine::Engine();
  text.Settings |= kSettingsValid;
  CheckUseColor->setChecked(true);
  CheckUseBold->setChecked(true);
  text.Settings &= ~kSettingsUnused;
  text.Settings |= kSettingsColors | kSettingsBold;
  // As the options are not ready, the show handler sends the tree pages back
  // to their first page and writes the chapter pages if they are missing.
  FormShow();
  CheckUseColor->setEnabled(false);
  CheckUseBold->setEnabled(false);
  FOptionsReady = true;
}

void TIxoBibleMainForm::EditRegSensitivityChange() {
  if (EditRegSensitivity->value() < kLowestStoredSpan) EditRegSensitivity->setValue(kLowestStoredSpan);
}

void TIxoBibleMainForm::LargePrintClick() { FLargePrintChanged = true; }

void TIxoBibleMainForm::ButtonResetClick() {
  const engine::TixoEngine& text = engine::Engine();
  // Without the text the HTML folder is not known: nothing is written.
  if (!text.Loaded) return;
  // Until every page is written again the folder does not count as complete,
  // so that a run that fails or stops is written in full at the next start.
  if (!ForgetChapterPagesWritten(text.HtmlDir)) {
    platform::MessageDlg("Could not remove: '" + ChapterPagesMarker(text.HtmlDir) + "'",
                         platform::DialogType::Error);
    return;
  }
  ui::BusyCursor busy;
  ui::EventPump pump;
  publish::PublishOptions options;
  options.processMessages = [&pump] { pump.Pump(); };
  for (int book = 1; book <= engine::TixoEngine::Books; ++book) {
    if (!publish::WriteChapterHtml(book, 0, options)) return;  // reported
  }
  CompleteChapterPages();
}

}  // namespace desktop
