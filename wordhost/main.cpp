// wordhost: a small word-processor host for the add-in. It exports the command
// dispatcher, loads the add-in by path, runs its entry points and commands, and
// shows the document and the menus the add-in made; headless, it prints what
// happened instead.

#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <iostream>
#include <optional>

#include "DialogRobot.h"
#include "DocumentListing.h"
#include "HostOptions.h"
#include "HostSession.h"
#include "HostWindow.h"
#include "QuotedText.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"

namespace {

using wordhost::HostOptions;
using wordhost::HostSession;

constexpr int kExitFailure = 2;

int RunHeadless(HostSession& session, const HostOptions& options, const std::string& addinPath) {
  wordhost::DialogRobot robot(options.answers, session.Log(), /*closeUnscripted=*/true);
  std::string error;
  if (!session.OpenAddin(addinPath, error)) {
    std::cerr << "wordhost: " << error << '\n';
    return kExitFailure;
  }
  int result = 0;
  if (!options.command.empty() && !session.RunCommand(options.command)) {
    std::cerr << "wordhost: the add-in registered no command " << options.command << '\n';
    result = kExitFailure;
  }
  session.CloseAddin();
  for (const std::string& answer : robot.Unused()) session.Log().Add("unused answer " + wordhost::QuotedText(answer));
  std::cout << session.Log().Text() << "document\n" << wordhost::ListDocument(session.Document());
  if (!options.savePath.empty() && !session.SaveRtf(options.savePath)) {
    std::cerr << "wordhost: cannot write " << options.savePath << '\n';
    result = kExitFailure;
  }
  return result;
}

int RunWindow(QApplication& application, HostSession& session, const HostOptions& options,
              const std::string& addinPath) {
  wordhost::HostWindow window(session);
  std::optional<wordhost::DialogRobot> robot;
  if (!options.answers.empty()) robot.emplace(options.answers, session.Log(), /*closeUnscripted=*/false);
  window.show();
  // The add-in is loaded once the window is up, as the host's own start would,
  // so that its splash is placed over the window where it stands.
  window.WhenOnScreen([&] {
    std::string error;
    if (!session.OpenAddin(addinPath, error)) {
      QMessageBox::critical(&window, "wordhost", QString::fromStdString(error));
      return;
    }
    if (!options.command.empty() && !session.RunCommand(options.command)) {
      QMessageBox::warning(&window, "wordhost",
                           QString::fromStdString("The add-in registered no command " + options.command + "."));
    }
    window.RefreshDocument();
    if (!options.openMenu.empty()) window.OpenMenu(options.openMenu);
  });
  const int result = application.exec();
  session.CloseAddin();
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
    std::cout << wordhost::HostUsage();
    return 0;
  }
  std::string error;
  const std::optional<HostOptions> options = wordhost::ParseHostOptions(arguments, error);
  if (!options) {
    std::cerr << "wordhost: " << error << '\n' << wordhost::HostUsage();
    return kExitFailure;
  }
  // Headless needs no display.
  if (options->headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication application(argc, argv);
  const std::string addinPath = options->addinPath.empty()
                                    ? platform::JoinPath(platform::ProgramFolder(), "ixoResource.wll")
                                    : options->addinPath;
  HostSession session;
  for (const auto& [commandId, status] : options->failures) session.Commands().FailCommand(commandId, status);
  return options->headless ? RunHeadless(session, *options, addinPath)
                           : RunWindow(application, session, *options, addinPath);
}
