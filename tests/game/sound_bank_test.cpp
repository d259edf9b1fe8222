// The sound bank's rules: silent mode skips everything, a buffer never loaded is Nothing, and a
// failed load leaves the buffer it would have replaced.

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "platform/error.h"
#include "platform/scripted/scripted_backend.h"
#include "startup/sound_bank.h"

namespace orbelon {
namespace {

using startup::Sound;
using startup::SoundBank;

const std::string kFolder = ORBELON_GAME_DIR;

TEST(SoundBank, SilentModeSkipsEveryLoadPlayAndStop) {
  scripted::ScriptedBackend backend;
  bool sound_off = true;
  SoundBank bank(sound_off);
  bank.SetSystem(backend.CreateSoundSystem());
  EXPECT_NO_THROW(bank.Load(Sound::sTheme, kFolder + "\\theme.daw"));
  EXPECT_NO_THROW(bank.Load(Sound::sChip, kFolder + "\\no-such-file.daw"));
  EXPECT_NO_THROW(bank.Play(Sound::sLaser, 1)) << "a buffer never loaded is not touched";
  EXPECT_NO_THROW(bank.Stop(Sound::sLaser));
  EXPECT_TRUE(backend.sound_calls.empty());
  EXPECT_THROW(bank.Play(Sound::sTheme, 2), std::invalid_argument)
      << "a wrong flag is a fault of the caller, in silent mode too";
}

TEST(SoundBank, ABufferNeverLoadedIsNothing) {
  scripted::ScriptedBackend backend;
  bool sound_off = false;
  SoundBank bank(sound_off);
  EXPECT_THROW(bank.Load(Sound::sTheme, kFolder + "\\theme.daw"), platform::PlatformError)
      << "no sound system yet";
  bank.SetSystem(backend.CreateSoundSystem());
  try {
    bank.Play(Sound::sLaser, 1);
    ADD_FAILURE() << "playing a buffer never loaded went through";
  } catch (const platform::PlatformError& error) {
    EXPECT_NE(std::string(error.what()).find("sLaser"), std::string::npos) << error.what();
  }
  EXPECT_THROW(bank.Stop(Sound::sWin), platform::PlatformError);
  EXPECT_TRUE(backend.sound_calls.empty());
}

TEST(SoundBank, PlaysOnceOrLoopingAndAFailedLoadKeepsTheOldBuffer) {
  scripted::ScriptedBackend backend;
  bool sound_off = false;
  SoundBank bank(sound_off);
  bank.SetSystem(backend.CreateSoundSystem());
  bank.Load(Sound::sTheme, kFolder + "\\theme.daw");
  try {
    bank.Load(Sound::sTheme, kFolder + "\\missing-theme.daw");
    ADD_FAILURE() << "a missing file loaded";
  } catch (const platform::PlatformError& error) {
    EXPECT_NE(std::string(error.what()).find("missing-theme.daw"), std::string::npos)
        << "the error does not name the file: " << error.what();
  }
  bank.Play(Sound::sTheme, 1);
  EXPECT_EQ(backend.PlayingLoops(), std::set<std::string>{"theme.daw"});
  bank.Stop(Sound::sTheme);
  bank.Play(Sound::sTheme, 0);
  EXPECT_TRUE(backend.PlayingLoops().empty());
  ASSERT_EQ(backend.sound_calls.size(), 4u);
  EXPECT_EQ(backend.sound_calls[3].file, "theme.daw");
  EXPECT_EQ(backend.sound_calls[3].flags, 0);
  EXPECT_THROW(bank.Play(Sound::sTheme, -1), std::invalid_argument);
  EXPECT_THROW(bank.Play(Sound::sTheme, 3), std::invalid_argument);
}

}  // namespace
}  // namespace orbelon
