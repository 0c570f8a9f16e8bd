// The kit's application object: log name, previous instance, theme support
// and the theme manager.

#include <gtest/gtest.h>

#include <QWidget>
#include <utility>
#include <vector>

#include "KitTesting.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "kit/Application.h"
#include "kit/KitClass.h"
#include "kit/KitErrors.h"
#include "kit/KitIniCtrl.h"
#include "kit/KitTimerPool.h"
#include "kit/KitWndProcComponent.h"
#include "kit/KitXPThemeManager.h"
#include "kit/OwnerMessages.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"

namespace {

using kit::TKitApplication;
using kit::TKitPathPrefix;

// Counts the messages that reach a form.
class MessageCounter : public kit::TKitWndProcComponent {
 public:
  using TKitWndProcComponent::TKitWndProcComponent;
  void OwnerMessage(kit::TMessage& message) override {
    seen.push_back(message.Msg);
    TKitWndProcComponent::OwnerMessage(message);
  }
  int Count(std::uint32_t msg) const { return static_cast<int>(std::count(seen.begin(), seen.end(), msg)); }
  std::vector<std::uint32_t> seen;
};

class KitApplication : public ::testing::Test {
 protected:
  TKitApplication& App() { return kit::KitApplication(); }
  // The instance lock lies in the temporary folder: one of this test's own,
  // so that the kit tests running beside it in other processes never hold it.
  testing_support::TempFolder temp;
  testing_support::ScopedEnvironment tempFolder{"TMPDIR", temp.Path().c_str()};
  kit_testing::KitScope kit;
};

TEST_F(KitApplication, WhatItHoldsFromTheStart) {
  EXPECT_EQ(App().TimerPool().MinInterval(), 50);
  EXPECT_EQ(App().IniCtrl().MaxEntries(), 16);
  EXPECT_EQ(App().LogPrefix, TKitPathPrefix::ppProgram);
  EXPECT_EQ(App().LogName(), platform::ProgramFolder() + "/" + platform::ExtractFileName(platform::ProgramFile()) + ".LOG");
  EXPECT_EQ(App().PerformanceFrequency(), 1'000'000'000);
  EXPECT_GT(App().CheckBoxGlyphSize().width(), 0);
  EXPECT_TRUE(App().ThemesSupported());
  EXPECT_TRUE(App().UseThemes());
}

TEST_F(KitApplication, LogNames) {
  const std::string folder = platform::ProgramFolder() + "/";
  const struct {
    TKitPathPrefix prefix;
    std::string name, log;
  } cases[] = {
      {TKitPathPrefix::ppProgram, "trace", folder + "trace.LOG"},
      {TKitPathPrefix::ppProgram, "/var/log/trace.txt", folder + "trace.txt"},
      {TKitPathPrefix::ppSystem, "trace", "/usr/lib/trace.LOG"},
      {TKitPathPrefix::ppFixed, "/var/log/trace", "/var/log/trace.LOG"},
      {TKitPathPrefix::ppFixed, "/var/log.d/trace.txt", "/var/log.d/trace.txt"},
  };
  for (const auto& c : cases) {
    App().LogPrefix = c.prefix;
    App().SetLogName(c.name);
    EXPECT_EQ(App().LogName(), c.log) << c.name;
  }
}

TEST_F(KitApplication, ASecondProgramOfTheSameNameSeesTheFirst) {
  TKitApplication second(false);
  EXPECT_TRUE(second.PrevInstance());
}

TEST_F(KitApplication, ThemeSupportNeedsTheThemeLibrary) {
  TKitApplication without(false);
  EXPECT_FALSE(without.ThemesSupported());
  EXPECT_FALSE(without.UseThemes());
  without.SetThemeSupport(false);
  without.SetThemeSupport(true);
  EXPECT_FALSE(without.UseThemes());
  without.InitThemeSupport();
  EXPECT_FALSE(without.UseThemes());
}

TEST_F(KitApplication, SwitchingThemeSupportTellsEveryVisibleForm) {
  QWidget form, hidden;
  auto* control = new QWidget(&form);
  auto* inner = new QWidget(control);
  auto* formHook = new MessageCounter(&form);
  auto* controlHook = new MessageCounter(control);
  auto* innerHook = new MessageCounter(inner);
  auto* hiddenHook = new MessageCounter(&hidden);
  for (auto* hook : {formHook, controlHook, innerHook, hiddenHook}) hook->Loaded();
  form.show();

  App().SetThemeSupport(false);
  EXPECT_FALSE(App().UseThemes());
  EXPECT_EQ(formHook->Count(kit::WM_THEMECHANGED), 1);
  EXPECT_EQ(controlHook->Count(kit::CM_KITTHEMECHANGED), 1);
  EXPECT_EQ(controlHook->Count(kit::WM_THEMECHANGED), 1);
  EXPECT_EQ(innerHook->Count(kit::WM_THEMECHANGED), 1);
  EXPECT_EQ(innerHook->Count(kit::CM_KITTHEMECHANGED), 0);
  EXPECT_TRUE(hiddenHook->seen.empty());

  App().SetThemeSupport(false);  // unchanged: nothing
  EXPECT_EQ(formHook->Count(kit::WM_THEMECHANGED), 1);
}

TEST_F(KitApplication, AThemeManagerSwitchesSupportOffAndOnWhenTheThemeChanges) {
  QWidget form;
  auto* counter = new MessageCounter(&form);
  counter->Loaded();
  auto* manager = new kit::TKitXPThemeManager(&form);
  manager->Loaded();
  form.show();

  EXPECT_EQ(kit::SendKitMessage(&form, kit::WM_THEMECHANGED), 0);
  EXPECT_TRUE(App().UseThemes());
  // Consumed, also the two the switching sent to the form again, which the
  // manager did not answer.
  EXPECT_EQ(counter->Count(kit::WM_THEMECHANGED), 0);

  App().SetThemeSupport(false);
  counter->seen.clear();
  kit::SendKitMessage(&form, kit::WM_CREATE);
  EXPECT_TRUE(App().UseThemes());
  EXPECT_TRUE(counter->seen.empty());
  kit::SendKitMessage(&form, kit::WM_USER);
  EXPECT_EQ(counter->seen, std::vector<std::uint32_t>{kit::WM_USER});  // others pass on
}

TEST_F(KitApplication, AThemeManagerAnswersAgainAfterASwitchThatRaised) {
  QWidget form;
  auto* manager = new kit::TKitXPThemeManager(&form);
  manager->Loaded();
  form.show();
  int told = 0;  // WM_THEMECHANGED sent to the application
  bool raise = true;
  kit::Application().HookMainWindow(this, [&](kit::TMessage& message) {
    if (message.Msg != kit::WM_THEMECHANGED) return false;
    ++told;
    if (std::exchange(raise, false)) throw kit::EKitError("theme switch failed");
    return false;
  });

  kit::SendKitMessage(&form, kit::WM_THEMECHANGED);
  ASSERT_EQ(kit.dialogs->Shown().size(), 1u);
  EXPECT_EQ(kit.dialogs->Shown()[0].text, "theme switch failed");
  kit::SendKitMessage(&form, kit::WM_CREATE);  // the flag is taken up again
  EXPECT_TRUE(App().UseThemes());

  told = 0;
  kit::SendKitMessage(&form, kit::WM_THEMECHANGED);
  EXPECT_EQ(told, 2);  // switched off and on again
  kit::Application().UnhookMainWindow(this);
}

TEST_F(KitApplication, TheKitsThemeManagerHasNoOwnerAndStaysIdle) {
  EXPECT_EQ(kit::XPThemeManager().Owner(), nullptr);
  EXPECT_FALSE(kit::XPThemeManager().IsHooked());
}

}  // namespace
