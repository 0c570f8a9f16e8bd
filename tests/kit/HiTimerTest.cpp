// The high-resolution timer: its settings, when it runs, and its ticks on the
// multimedia event, on the worker handing over to the GUI thread, and on the
// worker itself.

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <memory>

#include "KitTesting.h"
#include "kit/HiddenWindow.h"
#include "kit/KitErrors.h"
#include "kit/KitTimer.h"

namespace {

using kit::TKitHiTimer;
using kit::TThreadPriority;

class HiTimer : public ::testing::Test {
 protected:
  kit_testing::KitScope kit;
};

TEST_F(HiTimer, DefaultsAndTheIntervalRange) {
  TKitHiTimer timer(nullptr);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_TRUE(timer.Synchronize());
  EXPECT_TRUE(timer.UseThread());
  EXPECT_EQ(timer.ThreadPriority(), TThreadPriority::tpNormal);

  timer.SetInterval(0);
  EXPECT_EQ(timer.Interval(), 1u);
  timer.SetInterval(2'000'000);
  EXPECT_EQ(timer.Interval(), 1'000'000u);
}

TEST_F(HiTimer, RunsOnlyWhenEnabledWithAnEvent) {
  TKitHiTimer timer(nullptr);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.Worker(), nullptr);
  timer.SetUseThread(false);
  EXPECT_EQ(timer.EventId(), 0u);
  EXPECT_NE(timer.Handle(), 0u);  // the window is there for ticks to come

  timer.SetOnTimer([](QObject*) {});
  EXPECT_NE(timer.EventId(), 0u);
  timer.SetUseThread(true);
  EXPECT_EQ(timer.EventId(), 0u);
  EXPECT_EQ(timer.Handle(), 0u);
  ASSERT_NE(timer.Worker(), nullptr);
  timer.SetEnabled(false);
  EXPECT_EQ(timer.Worker(), nullptr);
}

TEST_F(HiTimer, TheWorkerSleepsForTheWholeInterval) {
  TKitHiTimer timer(nullptr);
  timer.SetOnTimer([](QObject*) {});
  timer.SetInterval(70000);
  timer.SetThreadPriority(TThreadPriority::tpLower);
  timer.SetEnabled(true);
  ASSERT_NE(timer.Worker(), nullptr);
  EXPECT_EQ(timer.Worker()->Interval(), 70000u);
  EXPECT_EQ(timer.Worker()->Priority(), TThreadPriority::tpLower);
}

TEST_F(HiTimer, ASynchronizedWorkerTicksOnTheGuiThread) {
  TKitHiTimer timer(nullptr);
  int calls = 0;
  bool onGuiThread = true;
  QObject* sender = nullptr;
  timer.SetOnTimer([&](QObject* s) {
    sender = s;
    onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
    ++calls;
  });
  timer.SetInterval(2);
  timer.SetEnabled(true);
  ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls >= 3; }));
  EXPECT_TRUE(onGuiThread);
  EXPECT_EQ(sender, &timer);

  // Ticks still on their way when the timer stops are dropped.
  timer.SetEnabled(false);
  const int stopped = calls;
  kit_testing::RunEventsFor(30);
  EXPECT_EQ(calls, stopped);
}

TEST_F(HiTimer, AnUnsynchronizedWorkerTicksOnItsOwnThread) {
  TKitHiTimer timer(nullptr);
  std::atomic<int> calls = 0;
  std::atomic<bool> onWorker = true;
  timer.SetSynchronize(false);
  timer.SetOnTimer([&](QObject*) {
    onWorker = onWorker && QThread::currentThread() != qApp->thread();
    ++calls;
  });
  timer.SetInterval(1);
  timer.SetEnabled(true);
  ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls >= 3; }));
  timer.SetEnabled(false);
  EXPECT_TRUE(onWorker);
}

TEST_F(HiTimer, TheMultimediaEventTicksThroughTheHiddenWindow) {
  TKitHiTimer timer(nullptr);
  int calls = 0;
  timer.SetUseThread(false);
  timer.SetOnTimer([&](QObject*) { ++calls; });
  timer.SetInterval(2);
  timer.SetEnabled(true);
  ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls >= 3; }));
  timer.SetEnabled(false);
  const int stopped = calls;
  kit_testing::RunEventsFor(30);
  EXPECT_EQ(calls, stopped);
}

TEST_F(HiTimer, OnlyTheCurrentEventsTicksCountAndARaisingHandlerStopsThem) {
  TKitHiTimer timer(nullptr);
  int calls = 0;
  timer.SetUseThread(false);
  timer.SetInterval(1'000'000);  // no tick of its own during the test
  timer.SetOnTimer([&](QObject*) {
    ++calls;
    throw kit::EKitError("frame failed");
  });
  timer.SetEnabled(true);
  kit::HiddenWindow::SendMessage(timer.Handle(), kit::WM_TIMER, timer.EventId() + 1, 0);
  EXPECT_EQ(calls, 0);
  kit::HiddenWindow::SendMessage(timer.Handle(), kit::WM_TIMER, timer.EventId(), 0);
  kit::HiddenWindow::SendMessage(timer.Handle(), kit::WM_TIMER, timer.EventId(), 0);
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(kit.dialogs->Shown().size(), 1u);
  EXPECT_EQ(kit.dialogs->Shown()[0].text, "frame failed");
}

TEST_F(HiTimer, AHandlerMayFreeItsTimer) {
  auto* timer = new TKitHiTimer(nullptr);
  timer->SetUseThread(false);
  timer->SetInterval(1'000'000);
  timer->SetOnTimer([&](QObject*) { delete timer; });
  timer->SetEnabled(true);
  kit::HiddenWindow::SendMessage(timer->Handle(), kit::WM_TIMER, timer->EventId(), 0);
  SUCCEED();
}

TEST_F(HiTimer, FreeingARunningTimerDropsWhatIsOnItsWay) {
  for (bool useThread : {true, false}) {
    auto timer = std::make_unique<TKitHiTimer>(nullptr);
    int calls = 0;
    timer->SetUseThread(useThread);
    timer->SetOnTimer([&](QObject*) { ++calls; });
    timer->SetInterval(1);
    timer->SetEnabled(true);
    ASSERT_TRUE(kit_testing::WaitUntil([&] { return calls >= 1; }));
    QThread::msleep(5);  // more ticks are queued now
    timer.reset();
    const int freed = calls;
    kit_testing::RunEventsFor(20);
    EXPECT_EQ(calls, freed);
  }
}

TEST_F(HiTimer, DesignTimeStartsNothing) {
  TKitHiTimer timer(nullptr);
  timer.SetDesigning(true);
  timer.SetOnTimer([](QObject*) {});
  timer.SetEnabled(true);
  EXPECT_EQ(timer.Worker(), nullptr);
}

}  // namespace
