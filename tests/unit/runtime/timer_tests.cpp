// Timers tick only inside event processing, one interval apart, never re-entered.

#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

using Timers = RuntimeTest;

TEST_F(Timers, ShortIntervalsTickEvery15Ms) {
  TestForm form(runtime, "frmA");
  CountingTimer fast(form, 1);
  CountingTimer zero(form, 0);
  form.Show();
  runtime.PaceUntil(151);
  EXPECT_EQ(fast.ticks.size(), 10u) << "an interval of 1 ms ticks every 15 ms";
  EXPECT_EQ(fast.ticks.front(), 15u);
  EXPECT_TRUE(zero.ticks.empty()) << "an interval of 0 never ticks";
}

TEST_F(Timers, FirstTickOneIntervalAfterLoadEnableOrNewInterval) {
  TestForm form(runtime, "frmA");
  CountingTimer t(form, 100, false);
  backend.SetClock(50);
  form.Show();
  backend.SetClock(500);
  runtime.DoEvents();
  EXPECT_TRUE(t.ticks.empty()) << "a disabled timer ticked";

  t.timer.SetEnabled(true);
  runtime.PaceUntil(650);
  EXPECT_EQ(t.ticks, (std::vector<uint32_t>{600})) << "first tick one interval after enabling";

  t.timer.SetEnabled(true);
  runtime.PaceUntil(701);
  t.timer.SetInterval(200);
  runtime.PaceUntil(950);
  EXPECT_EQ(t.ticks, (std::vector<uint32_t>{600, 700, 901}))
      << "enabling a running timer goes on with its count; a new interval starts it again";

  CountingTimer at_load(form, 100);
  form.Unload();
  backend.SetClock(2000);
  form.Show();
  runtime.PaceUntil(2101);
  EXPECT_EQ(at_load.ticks, (std::vector<uint32_t>{2100})) << "timers restart when a form loads";
}

TEST_F(Timers, HandlerIsNotReenteredButOthersTickInsideIt) {
  TestForm form(runtime, "frmA");
  platform::Timer slow(form, "Slow", 100, true);
  CountingTimer other(form, 30);
  int depth = 0;
  int deepest = 0;
  int slow_ticks = 0;
  slow.OnTimer = [&] {
    ++slow_ticks;
    deepest = std::max(deepest, ++depth);
    // A handler that waits, as the game's message boxes and falls do.
    runtime.PaceUntil(runtime.TimeGetTime() + 250);
    --depth;
  };
  form.Show();
  runtime.PaceUntil(400);
  EXPECT_EQ(deepest, 1) << "a timer's handler was entered again while it ran";
  EXPECT_EQ(slow_ticks, 2) << "it ticks at 100, waits to 350, and ticks once more, late";
  EXPECT_GE(other.ticks.size(), 12u) << "other timers must go on ticking inside the handler";
}

TEST_F(Timers, HandlerMayStopOrUnloadAnything) {
  TestForm a(runtime, "frmA");
  TestForm b(runtime, "frmB");
  platform::Timer first(a, "First", 50, true);
  CountingTimer second(b, 50);
  first.OnTimer = [&] {
    first.SetEnabled(false);
    b.Unload();
  };
  a.Show();
  b.Show();
  runtime.PaceUntil(200);
  EXPECT_TRUE(second.ticks.empty()) << "a timer of a form unloaded in the same pass ticked";
  EXPECT_FALSE(first.Enabled());
}

}  // namespace
}  // namespace orbelon::testing
