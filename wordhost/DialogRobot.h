#pragma once
// Answers the modal windows that come up in the host's application from a
// script, and notes each one in the log, so that the add-in's message boxes and
// forms can be driven without a user.
//
// Answers are taken in order, each by the window it applies to:
//   NAME=TEXT  types TEXT into the field NAME of a form (an edit or combo box);
//   NAME       clicks the button NAME of a form, or the button of a message box
//              whose text is NAME ("OK", "Yes", "No", "Cancel").
// A window the next answer does not apply to is left to the user, or, when
// unscripted windows are to be closed, a message box takes its default button
// and a form is closed.

#include <QObject>
#include <deque>
#include <string>

class QDialog;
class QMessageBox;
class QWidget;

namespace wordhost {

class HostLog;

class DialogRobot : public QObject {
  Q_OBJECT

 public:
  DialogRobot(std::deque<std::string> answers, HostLog& log, bool closeUnscripted);
  ~DialogRobot() override;

  // Answers that no window took.
  const std::deque<std::string>& Unused() const { return answers_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Handle(QWidget& window);
  void AnswerBox(QMessageBox& box);
  void AnswerForm(QWidget& form);
  // Notes and carries out the next answer when it applies to the form; false when not.
  bool ApplyNextAnswer(QWidget& form);

  std::deque<std::string> answers_;
  HostLog& log_;
  bool closeUnscripted_;
};

}  // namespace wordhost
