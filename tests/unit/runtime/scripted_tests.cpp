// The scripted platform itself: its clock, its schedule, its pointer and its devices.

#include <filesystem>

#include "platform/error.h"
#include "runtime_fixture.h"
#include "test_files.h"

namespace orbelon::testing {
namespace {

using Scripted = RuntimeTest;

TEST_F(Scripted, ClockMovesOnlyWhenWaitingAndActionsRunInOrder) {
  std::vector<std::string> log;
  backend.At(50, [&] { log.push_back("b"); });
  backend.At(20, [&] { log.push_back("a"); });
  backend.At(50, [&] { log.push_back("c"); });

  platform::InputEvent event;
  EXPECT_FALSE(backend.PollEvent(event));
  EXPECT_EQ(backend.Now(), 0u) << "polling must not move the clock";
  backend.WaitEvent(1000);
  EXPECT_EQ(backend.Now(), 20u) << "a wait ends at the next scheduled action";
  EXPECT_TRUE(log.empty()) << "actions run inside event processing, not in the wait";
  backend.WaitEvent(1000);
  EXPECT_EQ(backend.Now(), 20u) << "a wait with an action due returns at once";
  EXPECT_FALSE(backend.PollEvent(event));
  backend.WaitEvent(10);
  EXPECT_EQ(backend.Now(), 30u) << "a wait ends at its timeout";
  backend.WaitEvent(1000);
  EXPECT_FALSE(backend.PollEvent(event));
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"})) << "by time, then as scheduled";
}

TEST_F(Scripted, InputFromAnActionComesBeforeTheNextAction) {
  TestForm form(runtime, "frmA");
  form.SetKeyPreview(true);
  form.Show();
  std::vector<size_t> seen;
  backend.At(10, [&] { backend.PressKey(form, 'x'); });
  backend.At(10, [&] { seen.push_back(form.keys.size()); });
  runtime.PaceUntil(20);
  EXPECT_EQ(seen, std::vector<size_t>{1});
}

TEST_F(Scripted, PointerAndShowCount) {
  backend.MoveMouseAbsolute(30000, 30000);
  EXPECT_EQ(backend.GetCursorPos().x, 468) << "30000 * 1024 / 65536, truncated";
  EXPECT_EQ(backend.GetCursorPos().y, 351);
  backend.MoveMouseAbsolute(65535, 0);
  EXPECT_EQ(backend.GetCursorPos().x, 1023);
  backend.MovePointer(40, -20);
  EXPECT_EQ(backend.GetCursorPos().x, 1063) << "relative moves are not held at the edge";
  EXPECT_EQ(backend.GetCursorPos().y, -20);

  EXPECT_EQ(backend.ShowCursor(false), -1);
  EXPECT_EQ(backend.ShowCursor(false), -2);
  EXPECT_EQ(backend.ShowCursor(true), -1);
  EXPECT_EQ(backend.show_count, -1);
}

TEST_F(Scripted, TimeLimitEndsARunThatWaitsForever) {
  backend.time_limit_ms = 1000;
  TestForm form(runtime, "frmStart");
  form.Show();
  EXPECT_THROW(runtime.RunModal(form), scripted::ScriptTimeout);
  EXPECT_EQ(runtime.ModalForm(), nullptr);
}

TEST_F(Scripted, SoundSystemChecksFilesAndRecordsCalls) {
  const std::string dir = ::testing::TempDir() + "/scripted_sound";
  std::filesystem::create_directories(dir);
  WriteFile(dir + "/theme.daw", MakeWave(1, 16, 22050, 100));
  WriteFile(dir + "/bad.daw", {'R', 'I', 'F', 'F'});

  backend.sound_device = false;
  EXPECT_THROW(backend.CreateSoundSystem(), platform::PlatformError);
  backend.sound_device = true;
  auto system = backend.CreateSoundSystem();

  for (const std::string name : {"missing.daw", "bad.daw"}) {
    try {
      system->CreateSoundBufferFromFile(dir + "\\" + name);
      ADD_FAILURE() << name << " loaded";
    } catch (const platform::PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find(dir + "/" + name), std::string::npos)
          << error.what();
    }
  }

  auto theme = system->CreateSoundBufferFromFile(dir + "\\theme.daw");
  theme->Play(1);
  theme->Play(1);
  EXPECT_EQ(backend.PlayingLoops(), std::set<std::string>{"theme.daw"});
  theme->Stop();
  EXPECT_TRUE(backend.PlayingLoops().empty());
  theme->Play(1);
  theme.reset();
  EXPECT_TRUE(backend.PlayingLoops().empty()) << "a released buffer stops playing";

  std::vector<std::string> calls;
  for (const scripted::SoundCall& call : backend.sound_calls) {
    calls.push_back(call.file + " " + call.call + " " + std::to_string(call.flags));
  }
  EXPECT_EQ(calls,
            (std::vector<std::string>{"theme.daw load 0", "theme.daw play 1", "theme.daw play 1",
                                      "theme.daw stop 0", "theme.daw play 1"}));
}

}  // namespace
}  // namespace orbelon::testing
