#include "WebEngineSetup.h"

#include <unistd.h>

#include <QCoreApplication>

namespace ui {

namespace {
constexpr char kFlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char kNoSandbox[] = "--no-sandbox";
}  // namespace

QByteArray WebEngineFlags(const QByteArray& flags, bool root) {
  if (!root || flags.split(' ').contains(kNoSandbox)) return flags;
  return flags.isEmpty() ? QByteArray(kNoSandbox) : flags + ' ' + kNoSandbox;
}

void PrepareWebEngine() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  qputenv(kFlagsVariable, WebEngineFlags(qgetenv(kFlagsVariable), geteuid() == 0));
}

}  // namespace ui
