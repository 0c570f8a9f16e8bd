#include "ui/ModalWindow.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/ModalForm.h"

namespace ui {
namespace {

TEST(ModalWindow, AMainWindowRunsModallyUntilItIsHidden) {
  struct Case {
    const char* how;
    std::function<void(QMainWindow&)> end;
  };
  const Case cases[] = {
      {"closed", [](QMainWindow& w) { w.close(); }},
      {"hidden", [](QMainWindow& w) { w.hide(); }},
      {"minimised, then closed",
       [](QMainWindow& w) {
         w.showMinimized();
         QTimer::singleShot(0, &w, [&w] {
           EXPECT_TRUE(w.isVisible());
           w.close();
         });
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    QMainWindow window;
    bool modalWhileShown = false;
    QTimer::singleShot(0, &window, [&] {
      modalWhileShown = window.isModal() && window.isVisible();
      c.end(window);
    });
    QTimer::singleShot(5000, &window, [&] { window.hide(); });  // keeps a failure from hanging
    ShowWindowModal(window);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isModal());
  }
}

TEST(ModalWindow, AWindowDestroyedWhileShownEndsTheRun) {
  auto* window = new QMainWindow;
  QTimer::singleShot(0, [window] { delete window; });
  ShowWindowModal(*window);
  SUCCEED();
}

TEST(ModalWindow, AModalFormRunsThroughItsOwnShowModal) {
  ModalForm form;
  QTimer::singleShot(0, &form, [&] { form.SetModalResult(ModalResult::OK); });
  ShowWindowModal(form);
  EXPECT_EQ(form.GetModalResult(), ModalResult::OK);
}

}  // namespace
}  // namespace ui
