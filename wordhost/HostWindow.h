#pragma once
// The host's window: the document in a read-only rich text view, and a menu
// bar of the host's menus whose items run their commands.

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

class QTextEdit;

namespace wordhost {

class HostSession;

class HostWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit HostWindow(HostSession& session);
  ~HostWindow() override;

  // Follows a command the host carried out: the menus, the menu bar's state or the document.
  void CommandDone(std::int32_t commandId);
  // Shows the document again when text went in since it was last shown,
  // unless the add-in has stopped screen refresh, with the insertion point at
  // its end in view.
  void RefreshDocument();
  // Builds the menu bar again from the host's menus.
  void RebuildMenus();
  // Pops up the menu of that name, as a click on its title would.
  void OpenMenu(std::string_view name);
  // Runs the work once, when the window is first on the screen, at the place
  // the window manager gave it.
  void WhenOnScreen(std::function<void()> work);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunMenuCommand(const std::string& command);
  void SaveAs();
  // An insertion sends several commands a word: the document is shown again
  // once, when the burst is over and the event loop runs, not after each.
  void RefreshDocumentLater();

  HostSession& session_;
  QTextEdit* view_;
  bool refreshPending_ = false;
  std::optional<std::uint64_t> shownInsertions_;  // none before the first showing
  std::function<void()> onScreen_;
};

}  // namespace wordhost
