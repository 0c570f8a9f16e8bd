#include "QtDialogService.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace ui {
namespace {

using platform::DialogButtons;
using platform::DialogType;
using platform::ModalResult;

QMessageBox::Icon IconOf(DialogType type) {
  switch (type) {
    case DialogType::Warning:
      return QMessageBox::Warning;
    case DialogType::Error:
      return QMessageBox::Critical;
    case DialogType::Information:
      return QMessageBox::Information;
    case DialogType::Confirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(DialogButtons buttons) {
  switch (buttons) {
    case DialogButtons::OK:
      return QMessageBox::Ok;
    case DialogButtons::OKCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButtonOf(DialogButtons buttons) {
  return platform::DefaultAnswer(buttons) == ModalResult::Yes ? QMessageBox::Yes : QMessageBox::Ok;
}

// What the box answers when it is closed without a button: Cancel when it has
// one, No for a yes/no question, OK for a plain message.
ModalResult EscapeAnswer(DialogButtons buttons) {
  switch (buttons) {
    case DialogButtons::OK:
      return ModalResult::OK;
    case DialogButtons::YesNo:
      return ModalResult::No;
    case DialogButtons::OKCancel:
    case DialogButtons::YesNoCancel:
      return ModalResult::Cancel;
  }
  return ModalResult::Cancel;
}

ModalResult ResultOf(int button, DialogButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return ModalResult::OK;
    case QMessageBox::Cancel:
      return ModalResult::Cancel;
    case QMessageBox::Yes:
      return ModalResult::Yes;
    case QMessageBox::No:
      return ModalResult::No;
    default:
      return EscapeAnswer(buttons);
  }
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ModalResult QtDialogService::Show(const platform::DialogRequest& request) {
  const bool isBox = request.kind == platform::DialogRequest::Kind::MessageBox;
  const std::string_view caption =
      isBox ? std::string_view(request.caption) : platform::DialogTypeName(request.type);
  QMessageBox box(IconOf(request.type), ToQString(caption), ToQString(request.text),
                  ButtonsOf(request.buttons), QApplication::activeWindow());
  box.setDefaultButton(DefaultButtonOf(request.buttons));
  return ResultOf(box.exec(), request.buttons);
}

}  // namespace ui
