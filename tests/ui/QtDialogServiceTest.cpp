#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "QtPrinters.h"
#include "platform/Dialogs.h"
#include "ui/QtDialogService.h"

namespace ui {
namespace {

using platform::DialogButtons;
using platform::DialogType;
using platform::ModalResult;

// Waits for the next message box to come up, notes what it shows and presses
// one of its buttons.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton press) {
    QObject::connect(&poll_, &QTimer::timeout, [this, press] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      poll_.stop();
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->standardButtons();
      if (QAbstractButton* button = box->button(press)) button->click();
    });
    poll_.start(10);
  }

  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;

 private:
  QTimer poll_;
};

class QtDialogServiceTest : public ::testing::Test {
 protected:
  platform::ScopedDialogService guard{std::make_shared<QtDialogService>()};
};

TEST_F(QtDialogServiceTest, MessageDialogIsAModalBoxCaptionedByItsType) {
  struct Case {
    DialogType type;
    const char* caption;
    QMessageBox::Icon icon;
  };
  const char* message = "Could not initialize bible text.  Please re-install the program.";
  for (const Case& c : {Case{DialogType::Warning, "Warning", QMessageBox::Warning},
                        Case{DialogType::Error, "Error", QMessageBox::Critical},
                        Case{DialogType::Information, "Information", QMessageBox::Information},
                        Case{DialogType::Confirmation, "Confirm", QMessageBox::Question}}) {
    SCOPED_TRACE(c.caption);
    BoxAnswerer answer(QMessageBox::Ok);
    EXPECT_EQ(platform::MessageDlg(message, c.type), ModalResult::OK);
    EXPECT_EQ(answer.title, c.caption);
    EXPECT_EQ(answer.text, message);
    EXPECT_EQ(answer.icon, c.icon);
    EXPECT_EQ(answer.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }
}

TEST_F(QtDialogServiceTest, MessageBoxKeepsItsCaptionAndReportsTheButtonPressed) {
  struct Case {
    DialogButtons buttons;
    QMessageBox::StandardButton press;
    QMessageBox::StandardButtons shown;
    ModalResult expected;
  };
  for (const Case& c : {
           Case{DialogButtons::OK, QMessageBox::Ok, QMessageBox::Ok, ModalResult::OK},
           Case{DialogButtons::OKCancel, QMessageBox::Cancel, QMessageBox::Ok | QMessageBox::Cancel,
                ModalResult::Cancel},
           Case{DialogButtons::YesNo, QMessageBox::No, QMessageBox::Yes | QMessageBox::No, ModalResult::No},
           Case{DialogButtons::YesNoCancel, QMessageBox::Yes,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, ModalResult::Yes},
       }) {
    SCOPED_TRACE(static_cast<int>(c.buttons));
    BoxAnswerer answer(c.press);
    EXPECT_EQ(platform::MessageBox("Bad English data file.", "Ixo Bible Critial Error", c.buttons,
                                   DialogType::Error),
              c.expected);
    EXPECT_EQ(answer.title, "Ixo Bible Critial Error");
    EXPECT_EQ(answer.buttons, c.shown);
  }
}

}  // namespace
}  // namespace ui
