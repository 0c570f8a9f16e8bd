// The owner-form hook: which messages a hooking component sees, passing on and
// consuming, enabling, design time, the application hook and several hooks on
// one form.

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <vector>

#include "kit/Application.h"
#include "kit/KitErrors.h"
#include "kit/KitUnits.h"
#include "kit/KitWndProcComponent.h"
#include "kit/OwnerMessages.h"
#include "platform/Dialogs.h"

namespace {

using kit::TMessage;

// Records what it sees; consumes the messages it is told to and answers kit
// messages with its number.
class Recorder : public kit::TKitWndProcComponent {
 public:
  using TKitWndProcComponent::TKitWndProcComponent;

  void OwnerMessage(TMessage& message) override {
    seen.push_back(message);
    if (message.Msg == kThrow) throw kit::EKitError("handler failed");
    if (message.Msg == consume) return;
    message.Result = number;
    TKitWndProcComponent::OwnerMessage(message);
  }
  bool AppMessage(TMessage& message) override {
    appSeen.push_back(message.Msg);
    return TKitWndProcComponent::AppMessage(message);
  }
  void HookStateChanged() override { ++stateChanges; }

  bool Seen(std::uint32_t msg, std::uintptr_t wParam) const {
    for (const auto& m : seen)
      if (m.Msg == msg && m.WParam == wParam) return true;
    return false;
  }

  static constexpr std::uint32_t kThrow = kit::WM_USER + 7;
  std::vector<TMessage> seen;
  std::vector<std::uint32_t> appSeen;
  std::uint32_t consume = 0;
  std::intptr_t number = 1;
  int stateChanges = 0;
};

class WndProcComponent : public ::testing::Test {
 protected:
  kit::KitUnits units;
  std::shared_ptr<platform::RecordingDialogService> dialogs = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogScope{dialogs};
  QWidget form;
};

TEST_F(WndProcComponent, HooksTheOwnerFormWhenLoaded) {
  auto* hook = new Recorder(&form);
  EXPECT_FALSE(hook->IsHooked());
  EXPECT_EQ(hook->HookedHandle(), &form);
  hook->Loaded();
  ASSERT_TRUE(hook->IsHooked());

  form.show();
  EXPECT_TRUE(hook->Seen(kit::WM_SHOWWINDOW, 1));
  form.showMinimized();
  EXPECT_TRUE(hook->Seen(kit::WM_SYSCOMMAND, kit::SC_MINIMIZE));
  EXPECT_TRUE(form.close());  // a close by code is passed on and closes
  EXPECT_TRUE(hook->Seen(kit::WM_CLOSE, 0));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(WndProcComponent, AConsumedCloseKeepsTheFormOpen) {
  auto* hook = new Recorder(&form);
  hook->Loaded();
  hook->consume = kit::WM_CLOSE;
  form.show();
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(WndProcComponent, KitMessagesCarryTheirResultBack) {
  auto* hook = new Recorder(&form);
  hook->number = 42;
  EXPECT_EQ(kit::SendKitMessage(&form, kit::WM_USER + 1, 3, 4), 0);  // not hooked yet
  hook->Loaded();
  EXPECT_EQ(kit::SendKitMessage(&form, kit::WM_USER + 1, 3, 4), 42);
  EXPECT_EQ(hook->seen.back().LParam, 4);
}

TEST_F(WndProcComponent, DisablingUnhooksAndEnablingHooksAgain) {
  auto* hook = new Recorder(&form);
  hook->Loaded();
  hook->SetHookEnabled(true);
  EXPECT_EQ(hook->stateChanges, 0);  // unchanged
  hook->SetHookEnabled(false);
  EXPECT_FALSE(hook->IsHooked());
  EXPECT_EQ(hook->stateChanges, 1);
  kit::SendKitMessage(&form, kit::WM_USER);
  EXPECT_TRUE(hook->seen.empty());
  hook->SetHookEnabled(true);
  EXPECT_TRUE(hook->IsHooked());
  EXPECT_EQ(hook->stateChanges, 2);
}

TEST_F(WndProcComponent, OnlyAWidgetOwnerIsHooked) {
  Recorder orphan(nullptr);
  orphan.Loaded();
  EXPECT_FALSE(orphan.IsHooked());
  QObject plain;
  auto* notAWidget = new Recorder(&plain);
  notAWidget->Loaded();
  EXPECT_FALSE(notAWidget->IsHooked());
}

TEST_F(WndProcComponent, DesignTimeHooksOnlyWithTheDesignHook) {
  auto* hook = new Recorder(&form);
  hook->SetDesigning(true);
  hook->Loaded();
  EXPECT_FALSE(hook->IsHooked());
  hook->SetDesignHook(true);
  hook->Loaded();
  EXPECT_TRUE(hook->IsHooked());
  hook->SetDesignHook(false);
  EXPECT_FALSE(hook->IsHooked());
}

TEST_F(WndProcComponent, TheApplicationHookIsSetOnlyWhileLoading) {
  auto* late = new Recorder(&form);
  late->SetHookApplication(true);
  EXPECT_FALSE(late->HookApplication());

  auto* hook = new Recorder(&form);
  hook->BeginLoading();
  hook->SetHookApplication(true);
  hook->Loaded();
  EXPECT_TRUE(hook->HookApplication());
  kit::Application().SendMessage(kit::WM_USER + 3);
  EXPECT_EQ(hook->appSeen, std::vector<std::uint32_t>{kit::WM_USER + 3});
  hook->SetHookEnabled(false);
  kit::Application().SendMessage(kit::WM_USER + 4);
  EXPECT_EQ(hook->appSeen.size(), 1u);
}

TEST_F(WndProcComponent, HooksOnOneFormChainAndUnhookInAnyOrder) {
  auto* first = new Recorder(&form);
  auto* second = new Recorder(&form);
  first->Loaded();
  second->Loaded();
  first->number = 1;
  second->number = 2;
  // The one hooked last sees a message first; both see what is passed on.
  EXPECT_EQ(kit::SendKitMessage(&form, kit::WM_USER), 1);
  EXPECT_EQ(first->seen.size(), 1u);
  EXPECT_EQ(second->seen.size(), 1u);

  second->consume = kit::WM_USER;
  kit::SendKitMessage(&form, kit::WM_USER);
  EXPECT_EQ(first->seen.size(), 1u);

  second->consume = 0;
  delete first;  // the first hooked goes first
  EXPECT_EQ(kit::SendKitMessage(&form, kit::WM_USER), 2);
  EXPECT_EQ(second->seen.size(), 3u);
}

TEST_F(WndProcComponent, AFailingHandlerIsReportedAndTheMessagePassedOn) {
  auto* hook = new Recorder(&form);
  hook->Loaded();
  kit::SendKitMessage(&form, Recorder::kThrow);
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "handler failed");
  EXPECT_EQ(dialogs->Shown()[0].type, platform::DialogType::Error);
}

TEST(KitUnitsLife, OneAtATimeAndAccessorsOnlyWhileInitialised) {
  EXPECT_FALSE(kit::KitInitialized());
  EXPECT_THROW(kit::Application(), kit::EKitError);
  {
    kit::KitUnits units;
    EXPECT_TRUE(kit::KitInitialized());
    EXPECT_THROW(kit::KitUnits second, kit::EKitError);
    EXPECT_NO_THROW(kit::Application());
  }
  EXPECT_FALSE(kit::KitInitialized());
}

}  // namespace
