#include "QtDialogService.h"

#include <QMessageBox>
#include <QString>

namespace wordaddin {
namespace {

using platform::DialogButtons;
using platform::DialogType;
using platform::ModalResult;

QMessageBox::Icon IconOf(DialogType type) {
  switch (type) {
    case DialogType::Warning: return QMessageBox::Warning;
    case DialogType::Error: return QMessageBox::Critical;
    case DialogType::Information: return QMessageBox::Information;
    case DialogType::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(DialogButtons buttons) {
  switch (buttons) {
    case DialogButtons::OK: return QMessageBox::Ok;
    case DialogButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButtonOf(DialogButtons buttons) {
  return platform::DefaultAnswer(buttons) == ModalResult::Yes ? QMessageBox::Yes : QMessageBox::Ok;
}

ModalResult ResultOf(int button, DialogButtons buttons) {
  switch (button) {
    case QMessageBox::Ok: return ModalResult::OK;
    case QMessageBox::Cancel: return ModalResult::Cancel;
    case QMessageBox::Yes: return ModalResult::Yes;
    case QMessageBox::No: return ModalResult::No;
    default: break;
  }
  // Closed without a button: a box with only OK still answers OK.
  return buttons == DialogButtons::OK ? ModalResult::OK : ModalResult::Cancel;
}

}  // namespace

ModalResult QtDialogService::Show(const platform::DialogRequest& request) {
  const std::string_view caption = request.kind == platform::DialogRequest::Kind::MessageBox
                                       ? std::string_view(request.caption)
                                       : platform::DialogTypeCaption(request.type);
  QMessageBox box(IconOf(request.type), QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                  QString::fromStdString(request.text), ButtonsOf(request.buttons));
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(DefaultButtonOf(request.buttons));
  return ResultOf(box.exec(), request.buttons);
}

}  // namespace wordaddin
