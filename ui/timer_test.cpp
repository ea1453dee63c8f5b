#include "ui/timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::PumpUntil;

TEST(Timer, FiresRepeatedlyUntilStoppedFromItsOwnCallback) {
  Timer timer;
  int ticks = 0;
  timer.onTimer = [&] {
    if (++ticks == 3) timer.Stop();
  };
  timer.Start(10);
  EXPECT_TRUE(timer.Running());
  EXPECT_EQ(timer.Interval(), 10u);
  ASSERT_TRUE(PumpUntil([&] { return !timer.Running(); }));
  PumpUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(ticks, 3);
}

TEST(Timer, ATimerGoneOrStoppedNeverCallsBack) {
  int ticks = 0;
  auto gone = std::make_unique<Timer>();
  gone->onTimer = [&] { ++ticks; };
  gone->Start(10);
  Timer stopped;
  stopped.onTimer = [&] { ++ticks; };
  stopped.Start(10);
  stopped.Stop();
  gone.reset();
  Sleep(50);  // timers would be due by now
  PumpUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(ticks, 0);
}

TEST(Timer, NewIntervalAppliesToARunningTimer) {
  Timer timer;
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  timer.Start(60000);
  timer.SetInterval(10);
  EXPECT_TRUE(timer.Running());
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
}

}  // namespace
}  // namespace tq::ui
