// The tray icon against a recording shell: what reaches the shell, the mouse
// events, the popup menu, the owner form's minimise and close, and the
// animation.

#include <gtest/gtest.h>

#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "KitTesting.h"
#include "kit/Application.h"
#include "kit/HiddenWindow.h"
#include "kit/KitClass.h"
#include "kit/KitErrors.h"
#include "kit/KitImageList.h"
#include "kit/KitTimer.h"
#include "kit/KitTimerObject.h"
#include "kit/KitTimerPool.h"
#include "kit/KitTrayIcon.h"
#include "kit/OwnerMessages.h"
#include "kit/QtTrayShell.h"
#include "kit/TrayShell.h"

namespace {

using kit::TKitTrayIcon;
using kit::TMessage;

struct ShellCall {
  std::uint32_t operation;
  kit::TNotifyIconData data;
  QImage icon;  // what the handle showed at the call
};

class RecordingShell : public kit::TrayShell {
 public:
  bool NotifyIcon(std::uint32_t operation, const kit::TNotifyIconData& data) override {
    const QIcon icon = kit::IconOfHandle(data.hIcon);
    calls.push_back({operation, data, icon.isNull() ? QImage() : icon.pixmap(16, 16).toImage()});
    return answer;
  }
  bool IconShown(kit::HWND, std::uint32_t) const override { return shown; }
  std::vector<std::uint32_t> Operations() const {
    std::vector<std::uint32_t> operations;
    for (const auto& call : calls) operations.push_back(call.operation);
    return operations;
  }
  std::vector<ShellCall> calls;
  bool answer = true;
  bool shown = true;  // the notification area shows the icon
};

// Minimising the form, and closing it from its title bar, leave it shown.
void ExpectMinimiseAndCloseLeaveTheFormShown(QWidget& form) {
  form.show();
  form.showMinimized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.isMinimized());

  form.showNormal();
  kit::SendKitMessage(&form, kit::WM_SYSCOMMAND, kit::SC_CLOSE);
  EXPECT_TRUE(form.isVisible());
}

QIcon RedIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::red);
  return QIcon(pixmap);
}

class TrayIcon : public ::testing::Test {
 protected:
  TrayIcon() { kit::SetTrayShell(shell); }

  // Built the way a form's reader builds it.
  TKitTrayIcon* MakeIcon(bool active = true) {
    auto* icon = new TKitTrayIcon(&form);
    icon->BeginLoading();
    icon->SetIcon(RedIcon());
    icon->SetHint("Ixo Bible");
    icon->SetActive(active);
    icon->Loaded();
    return icon;
  }
  void Report(TKitTrayIcon& icon, std::uint32_t mouse) {
    kit::HiddenWindow::SendMessage(icon.Handle(), kit::WM_TRAYNOTIFY, 0, mouse);
  }
  kit::TApplication& App() { return kit::Application(); }

  kit_testing::KitScope kit;
  std::shared_ptr<RecordingShell> shell = std::make_shared<RecordingShell>();
  QWidget form;
};

TEST_F(TrayIcon, NothingReachesTheShellUntilLoaded) {
  auto* icon = new TKitTrayIcon(&form);
  EXPECT_TRUE(icon->Active());
  EXPECT_FALSE(icon->NoClose);
  EXPECT_FALSE(icon->ShowMinimizedIcon);
  EXPECT_EQ(icon->Interval(), 200);
  EXPECT_EQ(icon->TimerMode(), kit::TKitTimerMode::tmNormal);
  EXPECT_EQ(icon->ThreadPriority(), kit::TThreadPriority::tpNormal);
  EXPECT_FALSE(icon->Animated());
  EXPECT_EQ(icon->ListIndex, 0);
  EXPECT_EQ(icon->PopupMenu(), nullptr);
  EXPECT_NE(icon->Handle(), 0u);
  icon->BeginLoading();
  icon->SetIcon(RedIcon());
  icon->SetHint("Ixo Bible");
  EXPECT_TRUE(shell->calls.empty());
  EXPECT_FALSE(icon->IsHooked());

  icon->Loaded();
  ASSERT_EQ(shell->Operations(), std::vector<std::uint32_t>{kit::NIM_ADD});
  const kit::TNotifyIconData& data = shell->calls[0].data;
  EXPECT_EQ(data.cbSize, 88u);
  EXPECT_EQ(data.hWnd, icon->Handle());
  EXPECT_EQ(data.uID, 0u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 1125u);
  EXPECT_EQ(data.hIcon, icon->Icon().Handle());
  EXPECT_STREQ(data.szTip, "Ixo Bible");
  EXPECT_EQ(shell->calls[0].icon.pixelColor(3, 3), QColor(Qt::red));
  EXPECT_TRUE(icon->IsHooked());
  EXPECT_FALSE(App().WindowVisible());
  EXPECT_FALSE(App().ShowMainForm);
}

TEST_F(TrayIcon, TheHintReachesTheShellCutTo63Characters) {
  TKitTrayIcon* icon = MakeIcon();
  icon->SetHint(std::string(100, 'h'));
  ASSERT_EQ(shell->calls.back().operation, kit::NIM_MODIFY);
  EXPECT_EQ(std::string(shell->calls.back().data.szTip), std::string(63, 'h'));
  icon->SetIcon(QIcon());
  EXPECT_EQ(shell->calls.back().operation, kit::NIM_MODIFY);
  EXPECT_EQ(shell->calls.back().data.hIcon, 0u);
}

TEST_F(TrayIcon, ActiveAddsAndRemovesTheIcon) {
  TKitTrayIcon* icon = MakeIcon(false);
  EXPECT_TRUE(shell->calls.empty());
  EXPECT_FALSE(icon->IsHooked());
  icon->SetHint("changed");  // not active: the shell hears nothing
  EXPECT_TRUE(shell->calls.empty());

  icon->SetActive(true);
  icon->SetActive(false);
  EXPECT_EQ(shell->Operations(), (std::vector<std::uint32_t>{kit::NIM_ADD, kit::NIM_DELETE}));
  EXPECT_TRUE(App().WindowVisible());
  EXPECT_TRUE(App().ShowMainForm);
  EXPECT_FALSE(icon->IsHooked());

  // What the shell answers does not matter.
  shell->answer = false;
  icon->SetActive(true);
  EXPECT_TRUE(icon->Active());
  EXPECT_TRUE(icon->IsHooked());
}

TEST_F(TrayIcon, ADesignTimeInstanceNeverCallsTheShell) {
  auto* icon = new TKitTrayIcon(&form);
  icon->SetDesigning(true);
  icon->Loaded();
  icon->SetHint("designed");
  icon->SetIcon(RedIcon());
  icon->SetActive(false);
  icon->SetActive(true);
  delete icon;
  EXPECT_TRUE(shell->calls.empty());
  EXPECT_TRUE(App().WindowVisible());
}

TEST_F(TrayIcon, FreeingRemovesTheIconAndLetsGoOfTheImageList) {
  kit::TKitImageList images(nullptr);
  TKitTrayIcon* icon = MakeIcon();
  icon->SetImageList(&images);
  EXPECT_EQ(images.Links().size(), 1u);
  delete icon;
  EXPECT_EQ(shell->calls.back().operation, kit::NIM_DELETE);
  EXPECT_STREQ(shell->calls.back().data.szTip, "");
  EXPECT_TRUE(images.Links().empty());
  EXPECT_FALSE(form.children().contains(icon));
}

TEST_F(TrayIcon, MouseReportsBecomeEvents) {
  TKitTrayIcon* icon = MakeIcon();
  std::vector<std::string> events;
  auto button = [](kit::TMouseButton b) {
    return b == kit::TMouseButton::mbLeft ? "left" : b == kit::TMouseButton::mbRight ? "right" : "middle";
  };
  QPoint at;
  icon->OnClick = [&](QObject* sender) {
    EXPECT_EQ(sender, icon);
    events.push_back("click");
  };
  icon->OnDblClick = [&](QObject*) { events.push_back("double"); };
  icon->OnMouseDown = [&](QObject*, kit::TMouseButton b, kit::TShiftState shift, int x, int y) {
    at = QPoint(x, y);
    events.push_back(std::string("down ") + button(b) + (shift & kit::ssDouble ? " double" : ""));
  };
  icon->OnMouseUp = [&](QObject*, kit::TMouseButton b, kit::TShiftState, int, int) {
    events.push_back(std::string("up ") + button(b));
  };
  icon->OnMouseMove = [&](QObject*, kit::TShiftState, int, int) { events.push_back("move"); };

  const struct {
    std::uint32_t mouse;
    std::vector<std::string> events;
  } cases[] = {
      {kit::WM_MOUSEMOVE, {"move"}},
      {kit::WM_LBUTTONDOWN, {"down left"}},
      {kit::WM_LBUTTONUP, {"click", "up left"}},
      {kit::WM_LBUTTONDBLCLK, {"double", "down left double"}},
      {kit::WM_RBUTTONDOWN, {"down right"}},
      {kit::WM_RBUTTONUP, {"click", "up right"}},
      {kit::WM_RBUTTONDBLCLK, {"double", "down right double"}},
      {kit::WM_MBUTTONDOWN, {"down middle"}},
      {kit::WM_MBUTTONUP, {"click", "up middle"}},
      {kit::WM_MBUTTONDBLCLK, {"double", "down middle double"}},
      {0x20A, {}},
  };
  QCursor::setPos(40, 30);
  for (const auto& c : cases) {
    events.clear();
    Report(*icon, c.mouse);
    EXPECT_EQ(events, c.events) << c.mouse;
  }
  EXPECT_EQ(at, QCursor::pos());

  events.clear();
  kit::HiddenWindow::SendMessage(icon->Handle(), kit::WM_USER, 0, kit::WM_LBUTTONUP);
  EXPECT_TRUE(events.empty());  // not the shell's message
}

TEST_F(TrayIcon, ARightClickOpensThePopupMenuAfterOnPopUp) {
  TKitTrayIcon* icon = MakeIcon();
  std::vector<std::string> events;
  icon->OnMouseDown = [&](QObject*, kit::TMouseButton, kit::TShiftState, int, int) { events.push_back("down"); };
  icon->OnPopUp = [&](QObject*) { events.push_back("popup"); };
  Report(*icon, kit::WM_RBUTTONDOWN);
  EXPECT_EQ(events, std::vector<std::string>{"down"});  // no menu: only the mouse-down

  QMenu menu;
  menu.addAction("Search");
  icon->SetPopupMenu(&menu);
  events.clear();
  icon->OnPopUp = [&](QObject*) {
    EXPECT_FALSE(menu.isVisible());
    events.push_back("popup");
  };
  Report(*icon, kit::WM_RBUTTONDOWN);
  EXPECT_EQ(events, (std::vector<std::string>{"down", "popup"}));
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
}

TEST_F(TrayIcon, AHandlerMayFreeTheTrayIcon) {
  enum Handler { kClick, kDblClick, kMouseDown, kPopUp };
  const struct {
    std::uint32_t mouse;
    Handler freeing;
  } cases[] = {
      {kit::WM_LBUTTONUP, kClick},         // OnMouseUp would follow
      {kit::WM_LBUTTONDBLCLK, kDblClick},  // OnMouseDown would follow
      {kit::WM_RBUTTONDOWN, kMouseDown},   // OnPopUp and the menu would follow
      {kit::WM_RBUTTONDOWN, kPopUp},       // the menu would follow
  };
  for (const auto& c : cases) {
    QMenu menu;
    menu.addAction("Search");
    TKitTrayIcon* icon = MakeIcon();
    icon->SetPopupMenu(&menu);
    int later = 0;  // events after the icon was freed
    auto notify = [&](Handler handler) {
      return [&, handler](QObject*) {
        if (icon == nullptr) {
          ++later;
        } else if (handler == c.freeing) {
          delete icon;
          icon = nullptr;
        }
      };
    };
    icon->OnClick = notify(kClick);
    icon->OnDblClick = notify(kDblClick);
    icon->OnPopUp = notify(kPopUp);
    icon->OnMouseDown = [&](QObject* sender, kit::TMouseButton, kit::TShiftState, int, int) {
      notify(kMouseDown)(sender);
    };
    icon->OnMouseUp = [&](QObject*, kit::TMouseButton, kit::TShiftState, int, int) { later += icon == nullptr; };
    Report(*icon, c.mouse);
    EXPECT_EQ(icon, nullptr) << c.mouse;
    EXPECT_EQ(later, 0) << c.mouse;
    EXPECT_FALSE(menu.isVisible()) << c.mouse;
    delete icon;
  }
}

TEST_F(TrayIcon, RemovedMenusAndImageListsAreForgotten) {
  TKitTrayIcon* icon = MakeIcon();
  auto menu = std::make_unique<QMenu>();
  icon->SetPopupMenu(menu.get());
  menu.reset();
  EXPECT_EQ(icon->PopupMenu(), nullptr);
  Report(*icon, kit::WM_RBUTTONDOWN);

  int changes = 0;
  icon->OnChange = [&](QObject*) { ++changes; };
  auto images = std::make_unique<kit::TKitImageList>(nullptr);
  icon->SetImageList(images.get());
  EXPECT_EQ(changes, 1);
  images->Add();  // a change of the list is the icon's change
  EXPECT_EQ(changes, 2);
  images.reset();
  EXPECT_EQ(icon->ImageList(), nullptr);
  EXPECT_EQ(changes, 3);
}

TEST_F(TrayIcon, AHandlerThatRaisesWhenTheImageListGoesIsReported) {
  TKitTrayIcon* icon = MakeIcon();
  auto images = std::make_unique<kit::TKitImageList>(nullptr);
  icon->SetImageList(images.get());
  icon->OnChange = [](QObject*) { throw kit::EKitError("change failed"); };
  images.reset();  // told while the list is destroyed
  EXPECT_EQ(icon->ImageList(), nullptr);
  ASSERT_EQ(kit.dialogs->Shown().size(), 1u);
  EXPECT_EQ(kit.dialogs->Shown()[0].text, "change failed");
}

TEST_F(TrayIcon, MinimisingHidesTheFormUnlessShowMinimizedIcon) {
  TKitTrayIcon* icon = MakeIcon();
  shell->answer = false;  // what the shell answered does not matter
  form.show();
  EXPECT_FALSE(App().WindowVisible());  // shown while active: no taskbar window
  App().ShowWindow(kit::SW_SHOW);
  form.showMinimized();
  QCoreApplication::processEvents();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(App().WindowVisible());

  icon->ShowMinimizedIcon = true;
  form.showNormal();
  EXPECT_TRUE(App().WindowVisible());
  form.showMinimized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.isMinimized());
}

TEST_F(TrayIcon, NoCloseHidesTheFormWhileActive) {
  TKitTrayIcon* icon = MakeIcon();
  icon->NoClose = true;
  QObject* sender = nullptr;
  icon->OnNoClose = [&](QObject* s) { sender = s; };
  form.show();
  App().ShowWindow(kit::SW_SHOW);
  // The title bar's close.
  kit::SendKitMessage(&form, kit::WM_SYSCOMMAND, kit::SC_CLOSE);
  EXPECT_EQ(sender, &form);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(App().WindowVisible());

  // A close by code is no close command: the form closes.
  sender = nullptr;
  form.show();
  EXPECT_TRUE(form.close());
  EXPECT_EQ(sender, nullptr);

  icon->SetActive(false);
  form.show();
  kit::SendKitMessage(&form, kit::WM_SYSCOMMAND, kit::SC_CLOSE);
  EXPECT_EQ(sender, nullptr);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(TrayIcon, AFormIsNeverHiddenWithoutTheIconToBringItBack) {
  const struct {
    const char* name;
    bool active;
    bool shown;
  } cases[] = {{"no notification area", true, false}, {"the icon not active", false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget owner;
    auto* icon = new TKitTrayIcon(&owner);
    icon->BeginLoading();
    icon->SetActive(c.active);
    icon->Loaded();
    icon->NoClose = true;
    int noCloses = 0;
    icon->OnNoClose = [&](QObject*) { ++noCloses; };
    shell->shown = c.shown;
    ExpectMinimiseAndCloseLeaveTheFormShown(owner);
    EXPECT_EQ(noCloses, c.active ? 1 : 0);  // closing is still kept from the form
  }
}

TEST_F(TrayIcon, ANewTaskbarGetsTheIconAgain) {
  TKitTrayIcon* icon = MakeIcon();
  ASSERT_NE(kit::TaskbarCreatedMessage(), 0u);
  App().ShowWindow(kit::SW_SHOW);
  shell->calls.clear();
  kit::SendKitMessage(&form, kit::TaskbarCreatedMessage());
  EXPECT_EQ(shell->Operations(), std::vector<std::uint32_t>{kit::NIM_ADD});
  EXPECT_TRUE(icon->Active());
  EXPECT_TRUE(icon->IsHooked());
  EXPECT_FALSE(App().WindowVisible());

  icon->SetActive(false);
  shell->calls.clear();
  kit::SendKitMessage(&form, kit::TaskbarCreatedMessage());
  EXPECT_TRUE(shell->calls.empty());
}

// An image list of one list of three frames: red, green, blue.
class AnimatedTrayIcon : public TrayIcon {
 protected:
  AnimatedTrayIcon() {
    auto& item = static_cast<kit::TKitImageListItem&>(images.Add());
    QImage strip(48, 16, QImage::Format_RGB32);
    const QColor colors[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i)
      for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) strip.setPixelColor(i * 16 + x, y, colors[i]);
    item.LoadStrip(strip, 3);
    images.Add();  // a list without images
  }
  QColor FrameColor(const ShellCall& call) { return call.icon.pixelColor(8, 8); }

  kit::TKitImageList images{nullptr};
};

TEST_F(AnimatedTrayIcon, FramesCycleThroughTheList) {
  TKitTrayIcon* icon = MakeIcon();
  icon->SetImageList(&images);
  shell->calls.clear();
  for (int i = 0; i < 4; ++i) icon->NextFrame();
  ASSERT_EQ(shell->calls.size(), 4u);
  EXPECT_EQ(FrameColor(shell->calls[0]), QColor(Qt::red));
  EXPECT_EQ(FrameColor(shell->calls[1]), QColor(Qt::green));
  EXPECT_EQ(FrameColor(shell->calls[2]), QColor(Qt::blue));
  EXPECT_EQ(FrameColor(shell->calls[3]), QColor(Qt::red));
  for (const auto& call : shell->calls) {
    EXPECT_EQ(call.operation, kit::NIM_MODIFY);
    EXPECT_STREQ(call.data.szTip, "Ixo Bible");
    EXPECT_NE(call.data.hIcon, icon->Icon().Handle());
    EXPECT_TRUE(kit::IconOfHandle(call.data.hIcon).isNull());  // the frame's icon is gone again
  }
  EXPECT_EQ(icon->Frame(), 1);
}

TEST_F(AnimatedTrayIcon, AListThatIsNotThereFailsOnTheFirstFrame) {
  TKitTrayIcon* icon = MakeIcon();
  icon->SetImageList(&images);
  for (int list : {1, 5}) {
    icon->ListIndex = list;
    EXPECT_THROW(icon->NextFrame(), kit::EListError) << list;
  }
  icon->SetImageList(nullptr);
  shell->calls.clear();
  icon->NextFrame();  // without an image list: nothing
  EXPECT_TRUE(shell->calls.empty());
}

TEST_F(AnimatedTrayIcon, ThePoolTimerDrivesTheAnimation) {
  TKitTrayIcon* icon = MakeIcon();
  icon->SetImageList(&images);
  icon->SetTimerMode(kit::TKitTimerMode::tmGlobalTimer);
  icon->SetInterval(100);
  icon->SetAnimated(true);
  ASSERT_NE(icon->AnimationTimer(), nullptr);
  EXPECT_TRUE(icon->AnimationTimer()->GlobalPool());
  EXPECT_TRUE(icon->AnimationTimer()->Enabled());
  shell->calls.clear();
  // 100 ms is two ticks of the pool's 50.
  const kit::HWND pool = kit::KitApplication().TimerPool().Handle();
  for (int i = 0; i < 4; ++i) kit::HiddenWindow::SendMessage(pool, kit::WM_TIMER, 1, 0);
  ASSERT_EQ(shell->calls.size(), 2u);
  EXPECT_EQ(FrameColor(shell->calls[1]), QColor(Qt::green));

  icon->SetAnimated(false);
  EXPECT_EQ(icon->AnimationTimer(), nullptr);
}

TEST_F(AnimatedTrayIcon, ANewTimerModeStopsTheAnimationUntilItIsSetAgain) {
  TKitTrayIcon* icon = MakeIcon();
  icon->SetImageList(&images);
  icon->SetAnimated(true);
  ASSERT_NE(icon->AnimationTimer(), nullptr);
  EXPECT_FALSE(icon->AnimationTimer()->GlobalPool());

  icon->SetTimerMode(kit::TKitTimerMode::tmThreaded);
  EXPECT_EQ(icon->AnimationTimer(), nullptr);
  ASSERT_NE(icon->HiAnimationTimer(), nullptr);
  EXPECT_FALSE(icon->HiAnimationTimer()->Enabled());
  EXPECT_TRUE(icon->HiAnimationTimer()->UseThread());
  EXPECT_EQ(icon->HiAnimationTimer()->Owner(), icon);

  icon->SetActive(false);
  EXPECT_EQ(icon->HiAnimationTimer(), nullptr);
  icon->SetInterval(30);
  icon->SetActive(true);
  ASSERT_NE(icon->HiAnimationTimer(), nullptr);
  EXPECT_TRUE(icon->HiAnimationTimer()->Enabled());
  EXPECT_EQ(icon->HiAnimationTimer()->Interval(), 30u);
  // Its frames come on the GUI thread.
  shell->calls.clear();
  EXPECT_TRUE(kit_testing::WaitUntil([&] { return shell->calls.size() >= 2; }));
}

TEST(QtTrayShellWithoutTray, AddsAndShowsTheIconToDockWhenANotificationAreaAppears) {
  kit::QtTrayShell shell;
  kit::TNotifyIconData data;
  data.hWnd = 7;
  data.uFlags = kit::NIF_TIP;
  std::strcpy(data.szTip, "Ixo Bible");
  ASSERT_TRUE(shell.NotifyIcon(kit::NIM_ADD, data));  // offscreen has no notification area
  const QSystemTrayIcon* icon = shell.Icon(7, 0);
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->isVisible());  // what Qt docks once an area is there
  EXPECT_EQ(icon->toolTip(), "Ixo Bible");
  EXPECT_FALSE(shell.IconShown(7, 0));
  EXPECT_FALSE(shell.NotifyIcon(kit::NIM_ADD, data));  // one icon per window and identifier

  std::strcpy(data.szTip, "changed");
  EXPECT_TRUE(shell.NotifyIcon(kit::NIM_MODIFY, data));
  EXPECT_EQ(icon->toolTip(), "changed");
  EXPECT_EQ(shell.Icon(7, 1), nullptr);

  EXPECT_TRUE(shell.NotifyIcon(kit::NIM_DELETE, data));
  EXPECT_EQ(shell.Icon(7, 0), nullptr);
  EXPECT_FALSE(shell.NotifyIcon(kit::NIM_MODIFY, data));
  EXPECT_FALSE(shell.NotifyIcon(kit::NIM_DELETE, data));
  EXPECT_FALSE(shell.IconShown(7, 0));
}

// A tray icon on the Qt shell, driven through the Qt icon as a notification
// area drives it.
class TrayIconOnQt : public ::testing::Test {
 protected:
  TrayIconOnQt() {
    kit::SetTrayShell(shell);
    icon = new TKitTrayIcon(&form);
    icon->BeginLoading();
    icon->SetIcon(RedIcon());
    icon->Loaded();
  }
  QSystemTrayIcon* QtIcon() const { return shell->Icon(icon->Handle(), 0); }

  kit_testing::KitScope kit;
  std::shared_ptr<kit::QtTrayShell> shell = std::make_shared<kit::QtTrayShell>();
  QWidget form;
  TKitTrayIcon* icon = nullptr;
};

TEST_F(TrayIconOnQt, ActivationsBecomeTheMouseEventsOfTheirButtons) {
  ASSERT_NE(QtIcon(), nullptr);
  std::vector<std::string> events;
  auto button = [](kit::TMouseButton b) {
    return b == kit::TMouseButton::mbLeft ? "left" : b == kit::TMouseButton::mbRight ? "right" : "middle";
  };
  icon->OnClick = [&](QObject*) { events.push_back("click"); };
  icon->OnDblClick = [&](QObject*) { events.push_back("double"); };
  icon->OnMouseDown = [&](QObject*, kit::TMouseButton b, kit::TShiftState shift, int, int) {
    events.push_back(std::string("down ") + button(b) + (shift & kit::ssDouble ? " double" : ""));
  };
  icon->OnMouseUp = [&](QObject*, kit::TMouseButton b, kit::TShiftState, int, int) {
    events.push_back(std::string("up ") + button(b));
  };
  icon->OnPopUp = [&](QObject*) { events.push_back("popup"); };
  QMenu menu;
  icon->SetPopupMenu(&menu);

  const struct {
    QSystemTrayIcon::ActivationReason reason;
    std::vector<std::string> events;
  } cases[] = {
      {QSystemTrayIcon::Trigger, {"down left", "click", "up left"}},
      {QSystemTrayIcon::DoubleClick, {"double", "down left double", "click", "up left"}},
      {QSystemTrayIcon::MiddleClick, {"down middle", "click", "up middle"}},
      {QSystemTrayIcon::Context, {"down right", "popup", "click", "up right"}},
      {QSystemTrayIcon::Unknown, {}},
  };
  for (const auto& c : cases) {
    events.clear();
    emit QtIcon()->activated(c.reason);
    QCoreApplication::processEvents();
    EXPECT_EQ(events, c.events) << c.reason;
    menu.hide();
  }
}

TEST_F(TrayIconOnQt, AClickOnItsWayToAFreedIconIsDropped) {
  ASSERT_NE(QtIcon(), nullptr);
  int downs = 0;
  icon->OnMouseDown = [&](QObject*, kit::TMouseButton, kit::TShiftState, int, int) {
    ++downs;
    delete icon;
    icon = nullptr;
  };
  emit QtIcon()->activated(QSystemTrayIcon::Trigger);  // the down and the up are posted
  EXPECT_EQ(downs, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(icon, nullptr);
}

TEST_F(TrayIconOnQt, TheQtIconGoesWithTheWindowItReportsTo) {
  const QPointer<QSystemTrayIcon> qtIcon = QtIcon();
  ASSERT_FALSE(qtIcon.isNull());
  const kit::HWND window = icon->Handle();
  // The tray icon's removal goes to another shell: this one is not told.
  kit::SetTrayShell(std::make_shared<RecordingShell>());
  delete icon;
  EXPECT_TRUE(qtIcon.isNull());
  EXPECT_EQ(shell->Icon(window, 0), nullptr);
  EXPECT_FALSE(shell->NotifyIcon(kit::NIM_DELETE, kit::TNotifyIconData{.hWnd = window}));
}

TEST_F(TrayIconOnQt, WithoutANotificationAreaTheFormStaysWhereTheUserCanReachIt) {
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
  icon->NoClose = true;
  ExpectMinimiseAndCloseLeaveTheFormShown(form);
}

}  // namespace
