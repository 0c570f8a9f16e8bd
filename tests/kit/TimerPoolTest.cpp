// The timer pool, driven tick by tick through its hidden window.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "KitTesting.h"
#include "kit/HiddenWindow.h"
#include "kit/KitErrors.h"
#include "kit/KitTimerItem.h"
#include "kit/KitTimerPool.h"

namespace {

using kit::TKitTimerItem;
using kit::TKitTimerPool;

class TimerPool : public ::testing::Test {
 protected:
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) kit::HiddenWindow::SendMessage(pool.Handle(), kit::WM_TIMER, 1, 0);
  }

  kit_testing::KitScope kit;
  TKitTimerPool pool{nullptr, 50};
  std::map<std::uint16_t, std::vector<std::uint32_t>> calls;  // counters by identifier
};

TEST_F(TimerPool, EachItemTicksEveryIntervalInPoolTicks) {
  pool.OnTimer = [&](QObject* sender, std::uint16_t ident, std::uint32_t counter) {
    EXPECT_EQ(sender, &pool);
    calls[ident].push_back(counter);
  };
  EXPECT_EQ(pool.AddItem(1, 50, nullptr), 0);
  EXPECT_EQ(pool.AddItem(2, 100, nullptr), 1);
  QObject* itemSender = nullptr;
  int ownEvents = 0;
  EXPECT_EQ(pool.AddItem(3, 150, [&](QObject* sender) {
    itemSender = sender;
    ++ownEvents;
  }), 2);
  EXPECT_TRUE(pool.Active());
  EXPECT_EQ(pool.FindItem(2)->Ticks(), 2u);

  Tick(6);

  EXPECT_EQ(calls[1], (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(calls[2], (std::vector<std::uint32_t>{1, 2, 3}));
  EXPECT_EQ(calls.count(3), 0u);  // an item with its own event does not use the pool's
  EXPECT_EQ(ownEvents, 2);
  EXPECT_EQ(itemSender, &pool);
  EXPECT_EQ(pool.TickCounter(), 7u);
}

TEST_F(TimerPool, AddItemRefusesKnownIdentifiersAndForeignIntervals) {
  pool.AddItem(7, 100, nullptr);
  try {
    pool.AddItem(7, 100, nullptr);
    FAIL();
  } catch (const kit::EListError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (7)");
  }
  for (std::uint32_t interval : {0u, 25u, 120u}) {
    try {
      pool.AddItem(8, interval, nullptr);
      FAIL() << interval;
    } catch (const kit::EKitError& error) {
      EXPECT_STREQ(error.what(), "Interval not compatible with MinInterval property!");
    }
  }
  EXPECT_EQ(pool.Count(), 1);
}

TEST_F(TimerPool, CallCountStopsAnItemAfterItsLastCall) {
  pool.OnTimer = [&](QObject*, std::uint16_t ident, std::uint32_t counter) { calls[ident].push_back(counter); };
  pool.AddItem(1, 50, nullptr);
  TKitTimerItem& item = *pool.FindItem(1);
  item.CallCount = 2;
  Tick(4);
  EXPECT_EQ(calls[1], (std::vector<std::uint32_t>{1, 2}));
  EXPECT_FALSE(item.Enabled());
  EXPECT_EQ(item.Counter(), 0u);
  EXPECT_FALSE(pool.Active());  // no enabled item left: the window timer stops

  item.CallCount = 0;
  item.SetEnabled(true);
  EXPECT_FALSE(item.Enabled());
  item.CallCount = -1;
  item.SetEnabled(true);
  EXPECT_TRUE(item.Enabled());
  EXPECT_TRUE(pool.Active());
}

TEST_F(TimerPool, IntervalsAreMultiplesOfTheMinimum) {
  pool.AddItem(1, 100, nullptr);
  TKitTimerItem& item = *pool.FindItem(1);
  Tick(2);
  EXPECT_EQ(item.Counter(), 1u);
  item.SetInterval(125);
  EXPECT_EQ(item.Interval(), 100u);
  EXPECT_EQ(item.Counter(), 1u);
  item.SetInterval(200);
  EXPECT_EQ(item.Interval(), 200u);
  EXPECT_EQ(item.Ticks(), 4u);
  EXPECT_EQ(item.Counter(), 0u);

  pool.SetMinInterval(10);  // only while loading
  EXPECT_EQ(pool.MinInterval(), 50);
  TKitTimerPool loading(nullptr);
  EXPECT_EQ(loading.MinInterval(), 1000);
  loading.BeginLoading();
  loading.SetMinInterval(10);
  loading.Loaded();
  EXPECT_EQ(loading.MinInterval(), 10);
}

TEST_F(TimerPool, TheWindowTimerRunsWhileAnItemIsEnabled) {
  EXPECT_FALSE(pool.Active());
  EXPECT_EQ(pool.Handle(), 0u);  // no window before its first use
  pool.AddItem(1, 50, nullptr);
  pool.AddItem(2, 50, nullptr);
  EXPECT_EQ(pool.ActiveCount(), 2);
  pool.FindItem(1)->SetEnabled(false);
  EXPECT_TRUE(pool.Active());
  pool.FindItem(2)->SetEnabled(false);
  EXPECT_FALSE(pool.Active());
  pool.FindItem(2)->SetEnabled(true);
  EXPECT_TRUE(pool.Active());
  pool.ClearItems();
  EXPECT_EQ(pool.Count(), 0);
  EXPECT_FALSE(pool.Active());
}

TEST_F(TimerPool, HandlersMayRemoveItemsWhileThePoolTicks) {
  std::vector<std::uint16_t> ticked;
  pool.OnTimer = [&](QObject*, std::uint16_t ident, std::uint32_t) { ticked.push_back(ident); };
  pool.AddItem(1, 50, [&](QObject*) {
    ticked.push_back(1);
    pool.RemoveItem(1);  // itself
    pool.RemoveItem(3);  // one that has not ticked yet
  });
  pool.AddItem(2, 50, nullptr);
  pool.AddItem(3, 50, nullptr);
  Tick(2);
  EXPECT_EQ(ticked, (std::vector<std::uint16_t>{1, 2, 2}));
  EXPECT_EQ(pool.Count(), 1);
}

TEST_F(TimerPool, AHandlerMayFreeItsPool) {
  auto* own = new TKitTimerPool(nullptr, 50);
  int later = 0;
  own->AddItem(1, 50, [&](QObject*) { delete own; });
  own->AddItem(2, 50, [&](QObject*) { ++later; });
  kit::HiddenWindow::SendMessage(own->Handle(), kit::WM_TIMER, 1, 0);
  EXPECT_EQ(later, 0);
}

TEST_F(TimerPool, AHandlerOnTheWindowTimerMayStopItOrFreeThePool) {
  // The last item removes itself: the window timer goes while it ticks.
  int calls = 0;
  pool.AddItem(1, 50, [&](QObject*) {
    ++calls;
    pool.RemoveItem(1);
  });
  ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls == 1; }));
  kit_testing::RunEventsFor(150);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(pool.Active());

  auto* own = new TKitTimerPool(nullptr, 50);
  own->AddItem(1, 50, [&](QObject*) {
    delete own;
    own = nullptr;
  });
  EXPECT_TRUE(kit_testing::WaitUntil([&] { return own == nullptr; }));
}

TEST_F(TimerPool, AHandlerThatRaisesIsReportedAndStopsThePool) {
  int calls = 0;
  pool.AddItem(1, 50, [&](QObject*) {
    ++calls;
    throw kit::EKitError("tick failed");
  });
  Tick(3);
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(kit.dialogs->Shown().size(), 1u);
  EXPECT_EQ(kit.dialogs->Shown()[0].text, "tick failed");
}

TEST_F(TimerPool, TheWindowTimerTicks) {
  int calls = 0;
  pool.AddItem(1, 50, [&](QObject*) { ++calls; });
  EXPECT_TRUE(kit_testing::WaitUntil([&] { return calls >= 2; }));
}

}  // namespace
