// Pacing waits: they block until the next timer or the deadline, and the clock's wrap does no
// harm.

#include "runtime_fixture.h"

namespace orbelon::testing {
namespace {

// Counts how the runtime uses the event queue.
class CountingBackend : public scripted::ScriptedBackend {
 public:
  bool PollEvent(platform::InputEvent& event) override {
    ++polls;
    return ScriptedBackend::PollEvent(event);
  }
  void WaitEvent(uint32_t timeout_ms) override {
    ++waits;
    ScriptedBackend::WaitEvent(timeout_ms);
  }
  int polls = 0;
  int waits = 0;
};

class Pacing : public ::testing::Test {
 protected:
  CountingBackend backend;
  platform::Runtime runtime{backend, "/opt/orbelon", ""};
  TestForm form{runtime, "frmVorlet"};
};

TEST_F(Pacing, BlocksUntilTheNextTimerOrTheDeadlineAndNeverSpins) {
  CountingTimer t(form, 100);
  form.Show();
  runtime.PaceUntil(1030);
  EXPECT_EQ(backend.Now(), 1030u);
  EXPECT_EQ(t.ticks.size(), 10u);
  EXPECT_EQ(backend.waits, 11) << "one wait per timer tick and one for the rest";
  EXPECT_LE(backend.polls, 12);
}

TEST_F(Pacing, LatePassProcessesNoEvents) {
  form.SetKeyPreview(true);
  form.Show();
  backend.SetClock(5000);
  backend.PressKey(form, 27);
  runtime.PaceUntil(4990);
  runtime.PaceUntil(5000);
  EXPECT_EQ(backend.polls + backend.waits, 0) << "a pass that used up its time goes straight on";
  EXPECT_TRUE(form.keys.empty());
  runtime.PaceUntil(5001);
  EXPECT_EQ(form.keys, std::vector<int>{27});
}

TEST_F(Pacing, ClockWrapDoesNoHarm) {
  CountingTimer t(form, 20);
  backend.SetClock(0xFFFFFFF0u);
  form.Show();

  const uint32_t deadline = runtime.TimeGetTime() + 100;
  ASSERT_EQ(deadline, 84u);
  runtime.PaceUntil(deadline);
  EXPECT_EQ(runtime.TimeGetTime(), 84u) << "a deadline past the wrap is waited for";
  EXPECT_EQ(t.ticks, (std::vector<uint32_t>{4, 24, 44, 64})) << "the timer ticks across the wrap";

  runtime.PaceUntil(0xFFFFFFFAu);
  EXPECT_EQ(runtime.TimeGetTime(), 84u) << "a deadline just before the wrap, read after it, passed";
}

}  // namespace
}  // namespace orbelon::testing
