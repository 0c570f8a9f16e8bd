// The host's window and its dialog answers, offscreen. This test program
// exports the host's command dispatcher, as the host program does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "wordaddin/AddinMenu.h"
#include "wordaddin/WordAPI.h"
#include "wordaddin/Wrdbasic.h"
#include "wordhost/DialogRobot.h"
#include "wordhost/HostSession.h"
#include "wordhost/HostWindow.h"

namespace wordhost {
namespace {

namespace command = wordaddin::command;

// A dialog like the add-in's insert dialog: OK asks first, and closes only on Yes.
class ReferenceDialog {
 public:
  ReferenceDialog() : spec_(new QComboBox(&dialog_)), ok_(new QPushButton("OK", &dialog_)) {
    dialog_.setWindowTitle("Ixo - Insert Bible Text");
    spec_->setObjectName("spec");
    spec_->setEditable(true);
    ok_->setObjectName("ButtonOK");
    QObject::connect(ok_, &QPushButton::clicked, &dialog_, [this] {
      confirmed.push_back(spec_->currentText().toStdString());
      if (QMessageBox::question(&dialog_, "Confirm", "Insert " + spec_->currentText() + "?") == QMessageBox::Yes) {
        dialog_.accept();
      }
    });
  }
  int Run() { return dialog_.exec(); }
  std::vector<std::string> confirmed;

 private:
  QDialog dialog_;
  QComboBox* spec_;
  QPushButton* ok_;
};

TEST(DialogRobot, TypesClicksAndAnswersInTurn) {
  HostLog log;
  DialogRobot robot({"spec=Genesis", "ButtonOK", "No", "spec=Genesis 3", "ButtonOK", "Yes"}, log, true);
  ReferenceDialog dialog;
  EXPECT_EQ(dialog.Run(), QDialog::Accepted);
  EXPECT_EQ(dialog.confirmed, (std::vector<std::string>{"Genesis", "Genesis 3"}));
  EXPECT_TRUE(robot.Unused().empty());
  EXPECT_EQ(log.Text(),
            "form QDialog \"Ixo - Insert Bible Text\"\n"
            "  set spec \"Genesis\"\n"
            "  click ButtonOK\n"
            "box \"Confirm\" \"Insert Genesis?\" -> No\n"
            "  set spec \"Genesis 3\"\n"
            "  click ButtonOK\n"
            "box \"Confirm\" \"Insert Genesis 3?\" -> Yes\n");
}

TEST(DialogRobot, UnscriptedWindowsAreClosedOnlyWhenAsked) {
  HostLog log;
  {
    DialogRobot robot({"ButtonOK"}, log, true);  // the question takes its default, Yes
    ReferenceDialog dialog;
    EXPECT_EQ(dialog.Run(), QDialog::Accepted);
  }
  {
    DialogRobot robot({}, log, true);
    ReferenceDialog dialog;
    EXPECT_EQ(dialog.Run(), QDialog::Rejected);
  }
  {
    DialogRobot robot({"Bogus"}, log, false);  // left to the user, who closes it here
    ReferenceDialog dialog;
    QTimer::singleShot(50, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialog.Run(), QDialog::Rejected);
    EXPECT_EQ(robot.Unused(), std::deque<std::string>{"Bogus"});
  }
  EXPECT_EQ(log.Text(),
            "form QDialog \"Ixo - Insert Bible Text\"\n"
            "  click ButtonOK\n"
            "box \"Confirm\" \"Insert ?\" -> Yes\n"
            "form QDialog \"Ixo - Insert Bible Text\"\n"
            "  closed\n"
            "form QDialog \"Ixo - Insert Bible Text\"\n");
}

// Runs the event loop for a moment.
void LetEventsRun() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Lets events run until done() or, on a busy machine, a generous time has passed.
void LetEventsRunUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class Window : public ::testing::Test {
 protected:
  HostSession session;
  HostWindow window{session};

  QMenu* MenuNamed(const QString& name) {
    for (QAction* action : window.menuBar()->actions()) {
      if (action->text() == name) return action->menu();
    }
    return nullptr;
  }
  QTextEdit& View() { return *window.findChild<QTextEdit*>("Document"); }
  // The document as the window shows it once it has caught up with the commands.
  QTextDocument& Shown() {
    QCoreApplication::processEvents();
    return *View().document();
  }
};

TEST_F(Window, ShowsTheMenusTheAddinMade) {
  EXPECT_EQ(window.objectName(), "OpusApp");
  wordaddin::RegisterAddinMenu(HostSession::kAddinDocRef);
  QStringList titles;
  for (QAction* action : window.menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles.join(','), "File,Bible,Edit,View,Insert,Format,Tools,Help");
  QMenu* bible = MenuNamed("Bible");
  ASSERT_NE(bible, nullptr);
  ASSERT_EQ(bible->actions().size(), 2);
  EXPECT_EQ(bible->actions()[0]->text(), "Insert Bible Verses");

  // Without an add-in loaded the item can only say so.
  HostLog& log = session.Log();
  DialogRobot robot({}, log, true);
  bible->actions()[0]->trigger();
  EXPECT_EQ(log.Lines().back(), "box \"Document1 - wordhost\" \"There is no command ixoInsert.\" -> OK");
}

TEST_F(Window, ShowsTheDocumentsFormats) {
  wordaddin::RunWordCommand(command::Bold, 1);
  wordaddin::InsertWordText("Genesis 1:3\n");
  wordaddin::RunWordCommand(command::Color, 2);
  wordaddin::RunWordCommand(command::Superscript, 1);
  wordaddin::InsertWordText("3");
  EXPECT_EQ(Shown().toPlainText(), "Genesis 1:3\n3");
  const QTextCharFormat heading = Shown().findBlockByNumber(0).begin().fragment().charFormat();
  EXPECT_EQ(heading.fontWeight(), QFont::Bold);
  const QTextCharFormat number = Shown().findBlockByNumber(1).begin().fragment().charFormat();
  EXPECT_EQ(number.verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(number.foreground().color(), QColor(0, 0, 255));
}

TEST_F(Window, RendersABurstOfCommandsOnceTheyAreDone) {
  // An insertion sends several commands a word; rebuilding the view after each
  // of them made a search's "Finish" of a few hundred verses take minutes.
  std::string text;
  for (int verse = 1; verse <= 300; ++verse) {
    wordaddin::RunWordCommand(command::Bold, 1);
    wordaddin::InsertWordText(std::to_string(verse));
    wordaddin::RunWordCommand(command::Bold, 0);
    wordaddin::InsertWordText(" In the beginning\n");
    text += std::to_string(verse) + " In the beginning\n";
  }
  EXPECT_TRUE(View().document()->isEmpty()) << "rebuilt while the commands came in";
  EXPECT_EQ(Shown().toPlainText().toStdString(), text);
}

TEST_F(Window, ShowsTheDocumentAgainOnlyWhenItChanged) {
  // Rebuilding the view of a long document takes a while: a form of the
  // add-in that opens and closes without inserting leaves it as it is.
  wordaddin::InsertWordText("In the beginning");
  Shown();
  int changes = 0;
  QObject::connect(View().document(), &QTextDocument::contentsChange, [&changes] { ++changes; });
  wordaddin::RunWordCommand(command::FormMode, 1);
  wordaddin::RunWordCommand(command::FormMode, 0);
  wordaddin::RunWordCommand(command::ScreenRefresh, 1);
  Shown();
  EXPECT_EQ(changes, 0);
  wordaddin::InsertWordText(" God");
  EXPECT_EQ(Shown().toPlainText(), "In the beginning God");
}

TEST_F(Window, KeepsTheInsertionPointInView) {
  window.resize(400, 300);
  window.show();
  for (int line = 0; line < 200; ++line) wordaddin::InsertWordText("In the beginning\n");
  Shown();
  EXPECT_TRUE(View().textCursor().atEnd());
  EXPECT_GT(View().verticalScrollBar()->value(), 0);
  EXPECT_TRUE(View().viewport()->rect().contains(View().cursorRect()));
}

TEST_F(Window, RunsTheAddinsStartOnceTheWindowIsOnTheScreen) {
  // The add-in's splash is placed over the window: not before the window has
  // the place it will keep.
  int runs = 0;
  window.WhenOnScreen([&runs] { ++runs; });
  LetEventsRun();
  EXPECT_EQ(runs, 0);
  window.show();
  LetEventsRunUntil([&runs] { return runs > 0; });
  LetEventsRun();
  EXPECT_EQ(runs, 1);
  window.hide();
  window.show();
  LetEventsRun();
  EXPECT_EQ(runs, 1);
}

TEST_F(Window, SaveAsGivesANameTypedWithoutExtensionTheRtfOne) {
  QTemporaryDir folder;
  wordaddin::InsertWordText("In the beginning");
  QTimer::singleShot(0, [&folder] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(folder.filePath("Genesis"));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  MenuNamed("File")->actions().first()->trigger();
  EXPECT_TRUE(QFile::exists(folder.filePath("Genesis.rtf")));
  EXPECT_FALSE(QFile::exists(folder.filePath("Genesis")));
}

TEST_F(Window, FollowsFormModeAndScreenRefresh) {
  wordaddin::RunWordCommand(command::FormMode, 1);
  EXPECT_FALSE(window.menuBar()->isEnabled());
  wordaddin::RunWordCommand(command::ScreenRefresh, 0);
  wordaddin::InsertWordText("In the beginning");
  EXPECT_EQ(Shown().toPlainText(), "");
  wordaddin::RunWordCommand(command::ScreenRefresh, 1);
  EXPECT_EQ(Shown().toPlainText(), "In the beginning");
  wordaddin::RunWordCommand(command::FormMode, 0);
  EXPECT_TRUE(window.menuBar()->isEnabled());
}

}  // namespace
}  // namespace wordhost
