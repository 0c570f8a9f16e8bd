#include "DialogRobot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "HostLog.h"
#include "QuotedText.h"

namespace wordhost {
namespace {

std::string Quoted(const QString& text) { return QuotedText(text.toStdString()); }

// The class name without its namespace.
std::string FormName(const QWidget& form) {
  const std::string name = form.metaObject()->className();
  const std::size_t colons = name.rfind("::");
  return colons == std::string::npos ? name : name.substr(colons + 2);
}

QString ButtonText(const QAbstractButton& button) { return button.text().remove('&'); }

QAbstractButton* BoxButton(const QMessageBox& box, const std::string& text) {
  for (QAbstractButton* button : box.buttons()) {
    if (ButtonText(*button).compare(QString::fromStdString(text), Qt::CaseInsensitive) == 0) return button;
  }
  return nullptr;
}

bool SetFieldText(QWidget& field, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(&field)) {
    edit->setText(text);
    return true;
  }
  if (auto* combo = qobject_cast<QComboBox*>(&field); combo && combo->isEditable()) {
    combo->setEditText(text);
    return true;
  }
  return false;
}

}  // namespace

DialogRobot::DialogRobot(std::deque<std::string> answers, HostLog& log, bool closeUnscripted)
    : answers_(std::move(answers)), log_(log), closeUnscripted_(closeUnscripted) {
  qApp->installEventFilter(this);
}

DialogRobot::~DialogRobot() { qApp->removeEventFilter(this); }

bool DialogRobot::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && window->isWindow() && window->isModal()) {
      // Answered once the window's own event loop runs.
      QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(window)] {
        if (target && target->isVisible()) Handle(*target);
      });
    }
  }
  return QObject::eventFilter(watched, event);
}

void DialogRobot::Handle(QWidget& window) {
  if (auto* box = qobject_cast<QMessageBox*>(&window)) {
    AnswerBox(*box);
  } else {
    AnswerForm(window);
  }
}

void DialogRobot::AnswerBox(QMessageBox& box) {
  std::string line = "box " + Quoted(box.windowTitle()) + " " + Quoted(box.text());
  QAbstractButton* button = answers_.empty() ? nullptr : BoxButton(box, answers_.front());
  if (button) {
    answers_.pop_front();
  } else if (closeUnscripted_) {
    button = box.defaultButton() ? static_cast<QAbstractButton*>(box.defaultButton()) : box.buttons().value(0);
  }
  if (button) line += " -> " + ButtonText(*button).toStdString();
  log_.Add(line);
  if (button) button->click();
}

void DialogRobot::AnswerForm(QWidget& form) {
  log_.Add("form " + FormName(form) + " " + Quoted(form.windowTitle()));
  const QPointer<QWidget> alive(&form);
  while (alive && alive->isVisible()) {
    if (!ApplyNextAnswer(*alive)) break;
  }
  if (alive && alive->isVisible() && closeUnscripted_) {
    log_.Add("  closed");
    alive->close();
  }
}

bool DialogRobot::ApplyNextAnswer(QWidget& form) {
  if (answers_.empty()) return false;
  const std::string answer = answers_.front();
  const std::size_t equals = answer.find('=');
  const QString name = QString::fromStdString(answer.substr(0, equals));
  if (equals != std::string::npos) {
    auto* field = form.findChild<QWidget*>(name);
    const QString text = QString::fromStdString(answer.substr(equals + 1));
    if (!field || !SetFieldText(*field, text)) return false;
    answers_.pop_front();
    log_.Add("  set " + name.toStdString() + " " + Quoted(text));
    return true;
  }
  auto* button = form.findChild<QAbstractButton*>(name);
  if (!button) return false;
  answers_.pop_front();
  log_.Add("  click " + name.toStdString());  // before the click: what it brings up comes after
  button->click();
  return true;
}

}  // namespace wordhost
