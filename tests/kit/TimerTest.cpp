// The timer object on its own timer and in the application's pool, and the
// application object's pool slots.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "KitTesting.h"
#include "kit/HiddenWindow.h"
#include "kit/KitClass.h"
#include "kit/KitErrors.h"
#include "kit/KitTimerItem.h"
#include "kit/KitTimerObject.h"
#include "kit/KitTimerPool.h"

namespace {

using kit::TKitTimer;

class Timer : public ::testing::Test {
 protected:
  kit::TKitApplication& Application() { return kit::KitApplication(); }
  void PoolTick(int times = 1) {
    for (int i = 0; i < times; ++i)
      kit::HiddenWindow::SendMessage(Application().TimerPool().Handle(), kit::WM_TIMER, 1, 0);
  }

  kit_testing::KitScope kit;
};

TEST_F(Timer, APoolTimerRoundsItsIntervalUpToTheMinimum) {
  TKitTimer timer(120, true, true, nullptr);
  ASSERT_GT(timer.Ident(), kit::TKitApplication::kPoolIdentBase);
  kit::TKitTimerItem* item = Application().PoolItem(timer.Ident());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Interval(), 150u);
  timer.SetTimerInterval(125);
  EXPECT_EQ(item->Interval(), 150u);
  timer.SetTimerInterval(200);
  EXPECT_EQ(item->Interval(), 200u);

  TKitTimer exact(100, true, false, nullptr);
  EXPECT_EQ(Application().PoolItem(exact.Ident())->Interval(), 100u);
  EXPECT_FALSE(Application().PoolItem(exact.Ident())->Enabled());
  // Near the top of the 16-bit range the largest multiple that fits.
  TKitTimer top(65535, true, false, nullptr);
  EXPECT_EQ(Application().PoolItem(top.Ident())->Interval(), 65500u);
}

TEST_F(Timer, APoolTimersEventComesFromTheTimerObject) {
  std::vector<QObject*> senders;
  TKitTimer timer(50, true, true, [&](QObject* sender) { senders.push_back(sender); });
  PoolTick(2);
  EXPECT_EQ(senders, (std::vector<QObject*>{&timer, &timer}));
  timer.SetTimerEnabled(false);
  PoolTick();
  EXPECT_EQ(senders.size(), 2u);
}

TEST_F(Timer, The251stPoolTimerFindsNoSlot) {
  std::vector<std::unique_ptr<TKitTimer>> timers;
  for (int i = 0; i < kit::TKitApplication::kPoolSlots; ++i)
    timers.push_back(std::make_unique<TKitTimer>(50, true, false, nullptr));
  EXPECT_EQ(timers.back()->Ident(), 0xFD00 + 250);
  try {
    TKitTimer one_too_many(50, true, false, nullptr);
    FAIL();
  } catch (const kit::EOutOfResources& error) {
    EXPECT_STREQ(error.what(), "Not enough timers available");
  }
  // A freed timer gives its slot and its pool item back.
  const std::uint16_t freed = timers[10]->Ident();
  timers[10].reset();
  EXPECT_EQ(Application().PoolItem(freed), nullptr);
  TKitTimer again(50, true, false, nullptr);
  EXPECT_EQ(again.Ident(), freed);
}

TEST_F(Timer, PoolSlotsOfTheApplicationObject) {
  const std::uint16_t first = Application().AddPoolTimer(100, nullptr);
  const std::uint16_t second = Application().AddPoolTimer(100, nullptr);
  EXPECT_EQ(first, 0xFD01);
  EXPECT_EQ(second, 0xFD02);
  EXPECT_EQ(Application().AddPoolTimer(75, nullptr), 0);  // the pool refuses
  Application().RemovePoolTimer(first);
  Application().RemovePoolTimer(0xFD00);
  Application().RemovePoolTimer(0xFFFF);  // names no slot
  EXPECT_EQ(Application().PoolItem(first), nullptr);
  EXPECT_EQ(Application().AddPoolTimer(100, nullptr), first);
}

TEST_F(Timer, AnOwnTimerTicksAndStopsWhenItsHandlerRaises) {
  int calls = 0;
  QObject* sender = nullptr;
  TKitTimer timer(1, false, true, [&](QObject* s) {
    sender = s;
    ++calls;
  });
  EXPECT_EQ(timer.Ident(), 0);
  ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls >= 2; }));
  EXPECT_EQ(sender, &timer);

  timer.OnTimer = [&](QObject*) {
    ++calls;
    throw kit::EKitError("animation failed");
  };
  const int before = calls;
  ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls > before; }));
  EXPECT_FALSE(timer.Enabled());
  kit_testing::RunEventsFor(30);
  EXPECT_EQ(calls, before + 1);
  ASSERT_EQ(kit.dialogs->Shown().size(), 1u);
  EXPECT_EQ(kit.dialogs->Shown()[0].text, "animation failed");
}

TEST_F(Timer, AHandlerMayFreeItsTimer) {
  for (bool globalPool : {false, true}) {
    TKitTimer* timer = nullptr;
    timer = new TKitTimer(50, globalPool, true, [&](QObject*) {
      delete timer;
      timer = nullptr;
    });
    EXPECT_TRUE(kit_testing::WaitUntil([&] { return timer == nullptr; })) << globalPool;
    delete timer;
  }
  EXPECT_EQ(Application().TimerPool().Count(), 0);
}

TEST_F(Timer, AnOwnTimerWithIntervalZeroDoesNotTick) {
  int calls = 0;
  TKitTimer timer(0, false, true, [&](QObject*) { ++calls; });
  kit_testing::RunEventsFor(20);
  EXPECT_EQ(calls, 0);
  timer.SetTimerInterval(1);
  EXPECT_TRUE(kit_testing::WaitUntil([&] { return calls > 0; }));
}

TEST(TimerWithoutKit, APoolTimerNeedsTheKit) {
  EXPECT_THROW(TKitTimer(50, true, true, nullptr), kit::EKitError);
}

}  // namespace
