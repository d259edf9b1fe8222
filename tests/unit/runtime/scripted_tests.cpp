// The scripted platform itself: its clock, its schedule, its pointer and its sound.

#include "platform/error.h"
#include "runtime_fixture.h"
#include "test_files.h"

namespace orbelon::testing {
namespace {

using Scripted = RuntimeTest;

TEST_F(Scripted, ClockMovesOnlyWhenWaitingAndActionsRunInOrder) {
  TestForm form(runtime, "frmA");
  form.SetKeyPreview(true);
  form.Show();
  std::vector<std::string> log;
  backend.At(50, [&] { log.push_back("b " + std::to_string(form.keys.size())); });
  backend.At(20, [&] { log.push_back("a"); });
  backend.At(50, [&] { backend.PressKey(form, 'x'); });
  backend.At(50, [&] { log.push_back("c " + std::to_string(form.keys.size())); });

  backend.WaitEvent(1000);
  EXPECT_EQ(backend.Now(), 20u) << "a wait ends at the next scheduled action";
  EXPECT_TRUE(log.empty()) << "actions run inside event processing, not in the wait";
  backend.WaitEvent(1000);
  EXPECT_EQ(backend.Now(), 20u) << "a wait with an action due returns at once";
  runtime.DoEvents();
  backend.WaitEvent(10);
  EXPECT_EQ(backend.Now(), 30u) << "a wait ends at its timeout";
  runtime.PaceUntil(60);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b 0", "c 1"}))
      << "by time, then as scheduled, and the input an action gives before the next one";
}

TEST_F(Scripted, PointerShowCount) {
  EXPECT_EQ(backend.ShowCursor(false), -1);
  EXPECT_EQ(backend.ShowCursor(false), -2);
  EXPECT_EQ(backend.ShowCursor(true), -1);
}

TEST_F(Scripted, SoundSystemChecksFilesAndTracksLoops) {
  const std::string dir = OwnFolder();
  WriteFile(dir + "/theme.daw", MakeWave(1, 16, 22050, 100));
  WriteFile(dir + "/bad.daw", {'R', 'I', 'F', 'F'});

  backend.sound_device = false;
  EXPECT_THROW(backend.CreateSoundSystem(), platform::PlatformError);
  backend.sound_device = true;
  auto system = backend.CreateSoundSystem();
  EXPECT_THROW(system->CreateSoundBufferFromFile(dir + "\\bad.daw"), platform::PlatformError)
      << "a damaged wave must fail as it does on the real platform";

  auto theme = system->CreateSoundBufferFromFile(dir + "\\theme.daw");
  theme->Play(1);
  theme->Play(1);
  EXPECT_EQ(backend.PlayingLoops(), std::set<std::string>{"theme.daw"});
  theme->Stop();
  EXPECT_TRUE(backend.PlayingLoops().empty());
  theme->Play(1);
  theme.reset();
  EXPECT_TRUE(backend.PlayingLoops().empty()) << "a released buffer stops playing";
}

}  // namespace
}  // namespace orbelon::testing
