#include "Addin.h"

#include <QCoreApplication>

#include "AddinMenu.h"
#include "Guarded.h"
#include "IxoAbout.h"
#include "WordAPI.h"
#include "WordWindow.h"
#include "Wrdbasic.h"
#include "platform/Dialogs.h"
#include "ui/ModalForm.h"

namespace wordaddin {
namespace {

constexpr int kSplashInterval = 2500;
constexpr int kAboutInterval = 9000;
constexpr int kCentred = -1;
constexpr int kInsertFormOffset = 25;

std::unique_ptr<TFormAbout> NewStayOnTopAboutForm(QWidget* parent = nullptr) {
  auto form = std::make_unique<TFormAbout>(parent);
  form->setWindowFlag(Qt::WindowStaysOnTopHint);
  return form;
}

// After a form of the add-in has closed.
void EndForm() {
  RunWordCommand(command::FormMode, 0);
  RunWordCommand(command::ScreenRefresh, 1);
}

}  // namespace

Addin::Addin(TextFactory createText) : createText_(std::move(createText)) {}

void Addin::AutoOpen(std::int32_t docRef) {
  ShowAboutBox(kSplashInterval);
  engine_ = createText_();
  // A text that did not load is reported by the commands that need it; the
  // menu is registered whatever happened.
  if (engine_) Guarded([this] { engine_->Load(); });
  RegisterAddinMenu(docRef);
}

void Addin::AutoRemove() {
  QCoreApplication::processEvents();
  if (engine_) engine_->Unload();
  engine_.reset();
}

bool Addin::TextReady() const {
  if (engine_ && engine_->Loaded()) return true;
  platform::MessageDlg(kTextNotLoaded, platform::DialogType::Error);
  return false;
}

void Addin::Insert() {
  if (!TextReady()) return;
  QWidget* wnd = FindWordWindow();
  const std::unique_ptr<TFormAbout> aboutForm = NewStayOnTopAboutForm();
  const std::unique_ptr<ui::ModalForm> insertForm = engine_->CreateInsertForm(wnd, *aboutForm);
  if (!insertForm) return;
  PlaceFormOverWindow(wnd, *aboutForm, false, kCentred, kCentred);  // the dialog's About button shows it
  RunWordCommand(command::FormMode, 1);
  PlaceFormOverWindow(wnd, *insertForm, true, kInsertFormOffset, kInsertFormOffset);
  EndForm();
}

void Addin::Search() {
  if (!TextReady()) return;
  const std::unique_ptr<TFormAbout> aboutForm = NewStayOnTopAboutForm();
  const std::unique_ptr<ui::ModalForm> insertForm = engine_->CreateInsertForm(nullptr, *aboutForm);
  const std::unique_ptr<QWidget> searchForm =
      insertForm ? engine_->CreateSearchForm(*insertForm, *aboutForm) : nullptr;
  if (!searchForm) return;
  RunWordCommand(command::FormMode, 1);
  PlaceFormOverWindow(FindWordWindow(), *aboutForm, false, kCentred, kCentred);
  try {
    engine_->LoadCurrentStudy(*searchForm);
    PlaceFormOverWindow(FindWordWindow(), *searchForm, true, kCentred, kCentred);
  } catch (...) {
    EndForm();  // whatever happens in the search form, the host hears that it closed
    throw;
  }
  EndForm();
}

void Addin::AboutBox() { ShowAboutBox(kAboutInterval); }

bool Addin::ShowAboutBox(int intervalMs) {
  QWidget* wnd = FindWordWindow();
  {
    const std::unique_ptr<TFormAbout> aboutForm = NewStayOnTopAboutForm();
    if (intervalMs != 0) {
      aboutForm->SetSplashInterval(intervalMs);
    } else {
      aboutForm->RestoreSplashInterval();
    }
    RunWordCommand(command::FormMode, 1);
    PlaceFormOverWindow(wnd, *aboutForm, true, kCentred, kCentred);
  }
  RunWordCommand(command::FormMode, 0);
  return RunWordCommand(command::ScreenRefresh, 1);
}

}  // namespace wordaddin
