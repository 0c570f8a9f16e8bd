// The handles of hidden windows and icons: what a handle names while its
// object lives, and after; posting from other threads; objects made without
// an initialised kit.

#include <gtest/gtest.h>

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <memory>
#include <thread>
#include <vector>

#include "KitTesting.h"
#include "kit/HiddenWindow.h"
#include "kit/Icon.h"

namespace {

using kit::HiddenWindow;
using kit::TMessage;

QIcon Filled(const QColor& color) {
  QPixmap pixmap(16, 16);
  pixmap.fill(color);
  return QIcon(pixmap);
}

QColor ColorOf(const QIcon& icon) { return icon.pixmap(16, 16).toImage().pixelColor(8, 8); }

class Handles : public ::testing::Test {
 protected:
  // A window that records the messages it gets and answers with lParam + 1.
  std::unique_ptr<HiddenWindow> RecordingWindow() {
    return std::make_unique<HiddenWindow>([this](TMessage& message) {
      received.push_back(message.Msg);
      message.Result = message.LParam + 1;
    });
  }

  kit_testing::KitScope kit;
  std::vector<std::uint32_t> received;
};

TEST_F(Handles, AWindowsHandleNamesItUntilItGoes) {
  auto window = RecordingWindow();
  auto second = RecordingWindow();
  const kit::HWND handle = window->Handle();
  ASSERT_NE(handle, 0u);
  EXPECT_NE(second->Handle(), handle);
  EXPECT_EQ(HiddenWindow::FromHandle(handle), window.get());
  EXPECT_EQ(HiddenWindow::SendMessage(handle, kit::WM_USER, 0, 41), 42);
  EXPECT_EQ(received, std::vector<std::uint32_t>{kit::WM_USER});

  window.reset();
  EXPECT_EQ(HiddenWindow::FromHandle(handle), nullptr);
  EXPECT_EQ(HiddenWindow::SendMessage(handle, kit::WM_USER, 0, 41), 0);
  EXPECT_EQ(HiddenWindow::FromHandle(0), nullptr);
  EXPECT_EQ(received.size(), 1u);
}

TEST_F(Handles, AProcedureMayFreeItsWindow) {
  std::unique_ptr<HiddenWindow> window;
  window = std::make_unique<HiddenWindow>([&](TMessage& message) {
    window.reset();
    message.Result = 7;
  });
  EXPECT_EQ(window->Send(kit::WM_USER), 7);
  EXPECT_EQ(window, nullptr);
}

TEST_F(Handles, PostsFromOtherThreadsArriveOnTheGuiThreadWhileTheWindowLives) {
  std::vector<std::thread::id> threads;
  auto window = std::make_unique<HiddenWindow>([&](TMessage&) { threads.push_back(std::this_thread::get_id()); });
  std::thread poster([&] {
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(window->Post(kit::WM_TIMER, 1));
  });
  poster.join();
  EXPECT_TRUE(threads.empty());  // posted, not sent
  EXPECT_TRUE(kit_testing::WaitUntil([&] { return threads.size() == 3; }));
  for (std::thread::id thread : threads) EXPECT_EQ(thread, std::this_thread::get_id());

  window->Post(kit::WM_TIMER, 1);
  window.reset();  // what is still on its way is dropped
  kit_testing::RunEventsFor(20);
  EXPECT_EQ(threads.size(), 3u);
}

TEST(HandlesWithoutKit, AWindowWithoutAKitHasNoHandleButGetsItsMessages) {
  int messages = 0;
  HiddenWindow window([&](TMessage& message) {
    ++messages;
    if (message.Msg == kit::WM_TIMER) {
      EXPECT_TRUE(window.KillTimer(message.WParam));
    }
  });
  EXPECT_EQ(window.Handle(), 0u);
  window.Send(kit::WM_USER);
  window.SetTimer(3, 1);
  EXPECT_TRUE(kit_testing::WaitUntil([&] { return messages == 2; }));

  kit::TIcon icon;
  icon.SetPicture(Filled(Qt::red));
  EXPECT_EQ(icon.Handle(), 0u);
}

TEST(HandlesAcrossKits, AnObjectOfAFinalisedKitLetsGoOfNoHandleOfTheNext) {
  std::unique_ptr<HiddenWindow> oldWindow;
  std::unique_ptr<kit::TIcon> oldIcon;
  {
    kit_testing::KitScope first;
    oldWindow = std::make_unique<HiddenWindow>([](TMessage&) {});
    oldIcon = std::make_unique<kit::TIcon>();
    oldIcon->SetPicture(Filled(Qt::red));
    ASSERT_NE(oldIcon->Handle(), 0u);
  }
  kit_testing::KitScope second;
  HiddenWindow window([](TMessage&) {});
  kit::TIcon icon;
  icon.SetPicture(Filled(Qt::blue));
  // Each kit numbers from the start: the new objects have the old numbers.
  ASSERT_EQ(window.Handle(), oldWindow->Handle());
  ASSERT_EQ(icon.Handle(), oldIcon->Handle());

  oldWindow.reset();
  oldIcon.reset();
  EXPECT_EQ(HiddenWindow::FromHandle(window.Handle()), &window);
  EXPECT_EQ(ColorOf(kit::IconOfHandle(icon.Handle())), QColor(Qt::blue));
}

TEST_F(Handles, AnIconsHandleNamesItsPictureUntilThePictureChanges) {
  auto icon = std::make_unique<kit::TIcon>();
  EXPECT_EQ(icon->Handle(), 0u);  // an empty icon has none
  icon->SetPicture(Filled(Qt::red));
  const kit::HICON red = icon->Handle();
  ASSERT_NE(red, 0u);
  EXPECT_EQ(icon->Handle(), red);
  EXPECT_EQ(ColorOf(kit::IconOfHandle(red)), QColor(Qt::red));

  icon->SetPicture(Filled(Qt::blue));
  EXPECT_TRUE(kit::IconOfHandle(red).isNull());
  const kit::HICON blue = icon->Handle();
  EXPECT_NE(blue, red);
  EXPECT_EQ(ColorOf(kit::IconOfHandle(blue)), QColor(Qt::blue));

  icon.reset();
  EXPECT_TRUE(kit::IconOfHandle(blue).isNull());
  EXPECT_TRUE(kit::IconOfHandle(0).isNull());
}

}  // namespace
