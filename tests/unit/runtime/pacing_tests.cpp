// Pacing waits, the clock's wrap, and the runtime's own small services.

#include "platform/error.h"
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

TEST(Pacing, BlocksUntilTheNextTimerOrTheDeadlineAndNeverSpins) {
  CountingBackend backend;
  platform::Runtime runtime(backend, "/opt/orbelon", "");
  TestForm form(runtime, "frmVorlet");
  CountingTimer t(form, 100);
  form.Show();
  runtime.PaceUntil(1030);
  EXPECT_EQ(backend.Now(), 1030u);
  EXPECT_EQ(t.ticks.size(), 10u);
  EXPECT_EQ(backend.waits, 11) << "one wait per timer tick and one for the rest";
  EXPECT_LE(backend.polls, 12);
}

TEST(Pacing, LatePassProcessesNoEvents) {
  CountingBackend backend;
  platform::Runtime runtime(backend, "/opt/orbelon", "");
  TestForm form(runtime, "frmVorlet");
  form.SetKeyPreview(true);
  form.Show();
  backend.SetClock(5000);
  backend.PressKey(form, 27);
  runtime.PaceUntil(4990);
  runtime.PaceUntil(5000);
  EXPECT_EQ(backend.polls, 0) << "a pass that used up its time goes straight on";
  EXPECT_EQ(backend.waits, 0);
  EXPECT_TRUE(form.keys.empty());
  runtime.PaceUntil(5001);
  EXPECT_EQ(form.keys, std::vector<int>{27});
}

TEST(Pacing, ClockWrapDoesNoHarm) {
  scripted::ScriptedBackend backend;
  platform::Runtime runtime(backend, "/opt/orbelon", "");
  TestForm form(runtime, "frmVorlet");
  CountingTimer t(form, 20);
  backend.SetClock(0xFFFFFFF0u);
  form.Show();

  // A deadline past the wrap is in the future, and is waited for.
  const uint32_t deadline = runtime.TimeGetTime() + 100;
  EXPECT_EQ(deadline, 84u);
  runtime.PaceUntil(deadline);
  EXPECT_EQ(runtime.TimeGetTime(), 84u);
  EXPECT_EQ(t.ticks.size(), 4u) << "the timer ticks across the wrap";
  EXPECT_EQ(t.ticks.back(), 64u);

  // A deadline just before the wrap, read after it, has passed.
  runtime.PaceUntil(0xFFFFFFFAu);
  EXPECT_EQ(runtime.TimeGetTime(), 84u);
}

TEST(RuntimeServices, EndUnwindsWithTheStatus) {
  scripted::ScriptedBackend backend;
  platform::Runtime runtime(backend, "/opt/orbelon", "");
  try {
    runtime.End(0);
    FAIL() << "End returned";
  } catch (const platform::ProcessExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
  // The system asking the program to end unwinds the same way, also out of a modal wait.
  backend.on_box = [&](const scripted::BoxRecord&) {
    backend.After(10, [&] { backend.PostQuit(); });
  };
  try {
    runtime.MsgBox("Ready", platform::vbOKOnly, "Ready:");
    FAIL() << "a request to end was lost";
  } catch (const platform::ProcessExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
  EXPECT_EQ(runtime.ModalForm(), nullptr) << "the box must not stay modal after it unwound";
  EXPECT_EQ(backend.OpenBox(), nullptr) << "the box's window must be gone";
}

TEST(RuntimeServices, FolderCommandLineAndWallClock) {
  scripted::ScriptedBackend backend;
  backend.wall_second_at_zero = 58;
  const std::string odd = std::string("no\xff\x01sound \"\\") + '\0' + "x";
  platform::Runtime runtime(backend, "/opt/orbelon", odd);
  EXPECT_EQ(runtime.AppPath(), "/opt/orbelon");
  EXPECT_EQ(runtime.Command(), odd) << "the command line is kept byte for byte";
  EXPECT_NE(runtime.Command(), "nosound");
  EXPECT_EQ(runtime.Second(), 58);
  backend.SetClock(2500);
  EXPECT_EQ(runtime.Second(), 0) << "the wall clock's second wraps at 60";
}

}  // namespace
}  // namespace orbelon::testing
