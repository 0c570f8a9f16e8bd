#include "WordWindow.h"

#include <dlfcn.h>

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "platform/Paths.h"
#include "ui/ModalWindow.h"

namespace wordaddin {
namespace {

// Whether the window's class comes from the host program's own file, the way a
// window's module names the program that made it.
bool MadeByHostProgram(const QWidget& window) {
  Dl_info module{};
  if (dladdr(window.metaObject(), &module) == 0 || module.dli_fname == nullptr) return false;
  const std::string file = platform::ExtractFileName(module.dli_fname);
  return QString::fromStdString(file).compare(kHostProgramFile, Qt::CaseInsensitive) == 0;
}

QRect ScreenRectangle() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

}  // namespace

QWidget* FindWordWindow() {
  QWidget* active = QApplication::activeWindow();
  if (active && MadeByHostProgram(*active)) return active;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == kHostMainWindowName) return window;
  }
  return nullptr;
}

QPoint PlacedPosition(const QRect& window, const QSize& form, int x, int y) {
  const int w = window.width();
  const int h = window.height();
  if (x < 0 && y < 0) {
    const int left = w > form.width() + x ? window.left() + w / 2 - form.width() / 2 : 0;
    const int top = h > form.height() + y ? window.top() + h / 2 - form.height() / 2 : 0;
    return {left, top};
  }
  return {x + form.width() < w ? x : 0, y + form.height() < h ? y : 0};
}

void PlaceFormOverWindow(QWidget* wnd, QWidget& form, bool showModal, int x, int y) {
  const QRect window = wnd ? wnd->frameGeometry() : ScreenRectangle();
  form.move(PlacedPosition(window, form.size(), x, y));
  if (showModal) ui::ShowWindowModal(form);
}

}  // namespace wordaddin
