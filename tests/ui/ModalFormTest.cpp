#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/ModalForm.h"

namespace ui {
namespace {

struct PublishForm : ModalForm {
  QPushButton* okay = new QPushButton("OK", this);
  QPushButton* cancel = new QPushButton("Cancel", this);
  PublishForm() {
    BindModalResult(okay, ModalResult::OK);
    BindModalResult(cancel, ModalResult::Cancel);
  }
};

TEST(ModalForm, ShowModalEndsWithTheResultOfHowTheFormWasClosed) {
  struct Case {
    const char* how;
    std::function<void(PublishForm&)> close;
    ModalResult expected;
  };
  const Case cases[] = {
      {"OK button", [](PublishForm& f) { QTest::mouseClick(f.okay, Qt::LeftButton); }, ModalResult::OK},
      {"Cancel button", [](PublishForm& f) { f.cancel->click(); }, ModalResult::Cancel},
      {"result set by code", [](PublishForm& f) { f.SetModalResult(ModalResult::Yes); }, ModalResult::Yes},
      {"close box", [](PublishForm& f) { f.close(); }, ModalResult::Cancel},
      {"Esc key", [](PublishForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }, ModalResult::Cancel},
      {"hidden", [](PublishForm& f) { f.hide(); }, ModalResult::Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    PublishForm form;
    QTimer::singleShot(0, &form, [&] { c.close(form); });
    QTimer::singleShot(5000, &form, [&] { form.done(0); });  // keeps a failure from hanging
    EXPECT_EQ(form.ShowModal(), c.expected);
    EXPECT_EQ(form.GetModalResult(), c.expected);
    EXPECT_FALSE(form.isVisible());
  }
}

TEST(ModalForm, SettingNoneKeepsTheFormOpen) {
  PublishForm form;
  bool stillOpen = false;
  QTimer::singleShot(0, &form, [&] {
    form.SetModalResult(ModalResult::None);
    stillOpen = form.isVisible();
    form.okay->click();
  });
  EXPECT_EQ(form.ShowModal(), ModalResult::OK);
  EXPECT_TRUE(stillOpen);
}

}  // namespace
}  // namespace ui
