// Timers tick only inside event processing, one interval apart, never re-entered.

#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

using Timers = RuntimeTest;

TEST_F(Timers, TickOnlyInsideEventProcessing) {
  TestForm form(runtime, "frmA");
  CountingTimer t(form, 100);
  form.Show();

  backend.SetClock(250);
  EXPECT_TRUE(t.ticks.empty()) << "a timer ticked with no event processing";
  runtime.DoEvents();
  EXPECT_EQ(t.ticks, std::vector<uint32_t>{250}) << "DoEvents must tick a due timer once";

  backend.SetClock(400);
  EXPECT_EQ(t.ticks.size(), 1u) << "the clock moving alone must not tick a timer";

  // A pacing wait ticks it as its interval comes round, from the last tick.
  runtime.PaceUntil(700);
  EXPECT_EQ(t.ticks, (std::vector<uint32_t>{250, 400, 500, 600}))
      << "ticks from the late one on, and none at the deadline itself";

  // And a modal wait: the box is answered after 100 ms by default.
  backend.AnswerBoxes(13, 350);
  runtime.MsgBox("wait", platform::vbOKOnly, "Box");
  EXPECT_EQ(t.ticks.back(), 1000u) << "timers must tick while a box is open";
}

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

TEST_F(Timers, LateTimerTicksOnceThenOneIntervalLater) {
  TestForm form(runtime, "frmA");
  CountingTimer t(form, 100);
  form.Show();
  backend.SetClock(1000);  // nine ticks late
  runtime.DoEvents();
  runtime.DoEvents();
  EXPECT_EQ(t.ticks.size(), 1u) << "a late timer must not catch up in a burst";
  backend.SetClock(1099);
  runtime.DoEvents();
  EXPECT_EQ(t.ticks.size(), 1u);
  backend.SetClock(1100);
  runtime.DoEvents();
  EXPECT_EQ(t.ticks.size(), 2u) << "the next tick is one interval after the late one";
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

  t.timer.SetEnabled(true);  // already running: the count goes on
  t.timer.SetInterval(200);  // a new interval starts it again
  runtime.PaceUntil(900);
  EXPECT_EQ(t.ticks, (std::vector<uint32_t>{600, 850}));

  CountingTimer at_load(form, 100);
  form.Unload();
  backend.SetClock(2000);
  runtime.DoEvents();
  EXPECT_EQ(t.ticks.size(), 2u) << "a timer of an unloaded form ticked";
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
