#include "HostWindow.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "DocumentView.h"
#include "HostSession.h"
#include "wordaddin/WordAPI.h"
#include "wordaddin/WordWindow.h"

namespace wordhost {

HostWindow::HostWindow(HostSession& session) : session_(session), view_(new QTextEdit(this)) {
  // The add-in finds the host's main window by this name.
  setObjectName(wordaddin::kHostMainWindowName);
  setWindowTitle("Document1 - wordhost");
  view_->setObjectName("Document");
  view_->setReadOnly(true);
  QFont font("Serif");
  font.setPointSize(12);
  view_->document()->setDefaultFont(font);
  setCentralWidget(view_);
  resize(800, 600);
  RebuildMenus();
  RefreshDocument();
  session_.Commands().SetChangeHandler([this](std::int32_t commandId) { CommandDone(commandId); });
}

HostWindow::~HostWindow() { session_.Commands().SetChangeHandler(nullptr); }

void HostWindow::CommandDone(std::int32_t commandId) {
  switch (commandId) {
    case wordaddin::command::AddMenu:
    case wordaddin::command::AddMenuItem: RebuildMenus(); break;
    case wordaddin::command::FormMode: menuBar()->setEnabled(!session_.Commands().FormMode()); break;
    default: RefreshDocumentLater();
  }
}

void HostWindow::RefreshDocumentLater() {
  if (refreshPending_) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshPending_ = false;
    RefreshDocument();
  });
}

void HostWindow::RefreshDocument() {
  if (!session_.Commands().ScreenRefresh()) return;
  const std::uint64_t insertions = session_.Document().Insertions();
  if (shownInsertions_ == insertions) return;  // the view shows the document as it is
  shownInsertions_ = insertions;
  RenderDocument(session_.Document(), *view_->document());
  // Text goes in at the end of the document: the insertion point stays in view.
  view_->moveCursor(QTextCursor::End);
  view_->ensureCursorVisible();
}

void HostWindow::RebuildMenus() {
  menuBar()->clear();
  for (const Menu& menu : session_.Menus().Menus()) {
    QMenu* shown = menuBar()->addMenu(QString::fromStdString(menu.name));
    shown->setObjectName(QString::fromStdString(menu.name));
    for (const MenuItem& item : menu.items) {
      const std::string command = item.command;
      shown->addAction(QString::fromStdString(item.text), this, [this, command] { RunMenuCommand(command); });
    }
  }
}

void HostWindow::OpenMenu(std::string_view name) {
  for (QAction* action : menuBar()->actions()) {
    if (action->menu() && action->menu()->objectName().compare(QString::fromUtf8(name.data(), qsizetype(name.size())),
                                                                Qt::CaseInsensitive) == 0) {
      menuBar()->setActiveAction(action);
      return;
    }
  }
}

void HostWindow::WhenOnScreen(std::function<void()> work) {
  if (!windowHandle()) create();
  QWindow* shown = windowHandle();
  if (shown && shown->isExposed()) {
    QTimer::singleShot(0, this, std::move(work));
    return;
  }
  onScreen_ = std::move(work);
  shown->installEventFilter(this);
}

bool HostWindow::eventFilter(QObject* watched, QEvent* event) {
  // The window is exposed once the window manager has placed it; before, its
  // place is not yet the one it will have.
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed() && onScreen_) {
    windowHandle()->removeEventFilter(this);
    QTimer::singleShot(0, this, std::exchange(onScreen_, nullptr));
  }
  return QMainWindow::eventFilter(watched, event);
}

void HostWindow::RunMenuCommand(const std::string& command) {
  if (command == kFileSaveAs) {
    SaveAs();
  } else if (command == kFileExit) {
    close();
  } else if (!session_.RunCommand(command)) {
    QMessageBox::warning(this, windowTitle(), QString("There is no command %1.").arg(QString::fromStdString(command)));
  }
  RefreshDocumentLater();
}

void HostWindow::SaveAs() {
  QFileDialog dialog(this, "Save As", "Document1.rtf", "Rich Text Format (*.rtf)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an extension is that of an RTF file, also when the
  // dialog asks whether to replace a file of that name.
  dialog.setDefaultSuffix("rtf");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  if (!session_.SaveRtf(path.toStdString())) {
    QMessageBox::warning(this, "Save As", QString("Could not write %1.").arg(path));
  }
}

}  // namespace wordhost
