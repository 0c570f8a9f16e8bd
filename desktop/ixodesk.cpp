// ixodesk, the desktop program. Only one copy runs per user: a later copy
// hands over to the first (which shows and raises its window) and ends with 0.
//
// IXO_PLAIN_BROWSER set to a non-empty value shows the pages in a plain
// rich-text view instead of the web engine (see PlainBrowser.h).

#include <QApplication>
#include <memory>

#include "InterfaceFormLink.h"
#include "IxoProgram.h"
#include "PlainBrowser.h"
#include "platform/Dialogs.h"
#include "ui/QtDialogService.h"
#include "ui/SingleInstance.h"
#include "ui/WebBrowser.h"
#include "ui/WebEngineSetup.h"

namespace {

constexpr char kMainWindowClass[] = "TIxoBibleMainForm";

}  // namespace

int main(int argc, char** argv) {
  const bool plainBrowser = !qEnvironmentVariableIsEmpty("IXO_PLAIN_BROWSER");
  if (!plainBrowser) ui::PrepareWebEngine();
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName("Ixo Bible");
  platform::ScopedDialogService dialogs(std::make_shared<ui::QtDialogService>());

  std::unique_ptr<desktop::IxoProgram> program;
  ui::SingleInstance instance(ui::SingleInstance::SocketPathFor(kMainWindowClass), [&program] {
    if (program) program->Activate();
  });
  if (instance.Claim() == ui::SingleInstance::Role::Second) return 0;

  program = std::make_unique<desktop::IxoProgram>(desktop::IxoProgram::Parts{
      plainBrowser ? desktop::PlainBrowser::Factory() : ui::WebBrowser::Factory(),
      desktop::InterfaceFormLink::Factory()});
  program->Start();
  const int code = application.exec();
  program.reset();
  return code;
}
