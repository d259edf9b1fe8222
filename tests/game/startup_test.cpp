// The start-up: the choice between sound and silence (the command line, a sound system that
// fails to open, a sound file that fails to load), the sound bank's rules, and the display
// test, where anything but 16 bits per pixel ends the program after its message.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/startup_run.h"

namespace orbelon {
namespace {

using gametest::Game;
using startup::Sound;
using namespace startuptest;

const std::vector<std::string> kBankLoads = {
    "load intro.daw", "load theme.daw", "load chip.daw", "load msgb.daw", "load fall.daw",
    "load win.daw",   "load bird.daw",  "load pill.daw", "load rage.daw", "load tele.daw",
    "load tele.daw",  "load tele.daw",  "load laser.daw"};

// Only the exact word "nosound" chooses silence.
TEST(StartUp, WithSoundLoadsTheBankInOrderAndPlaysTheIntroOnce) {
  std::vector<std::string> expected = kBankLoads;
  expected.push_back("play intro.daw 0");
  for (const char* command : {"", "NoSound", "NOSOUND", "nosound x", "x nosound", " nosound",
                              "nosound ", "-nosound", "nosounds"}) {
    SCOPED_TRACE(std::string("command line \"") + command + "\"");
    Game game(StartOptions(command));
    game.StopAt(5000);
    ASSERT_TRUE(RunProgram(game).stopped);
    EXPECT_EQ(SoundLog(game.backend), expected);
    EXPECT_TRUE(game.backend.boxes.empty() && !game.Globals().SoundOff) << "silenced";
    EXPECT_EQ(game.backend.display_queries, 1);
    EXPECT_TRUE(game.program.StartWindow().IsVisible()) << "the start window waits for the player";
  }
}

// The word "nosound" and a sound system that fails to open give the same message and silence,
// before the one display test.
TEST(StartUp, NosoundOrAFailingSoundSystemGivesOneMessageAndSilence) {
  for (const bool device : {true, false}) {
    SCOPED_TRACE(device ? "nosound" : "no sound device");
    Game game(StartOptions(device ? "nosound" : ""));
    game.backend.sound_device = device;
    game.StopAt(5000);
    ASSERT_TRUE(RunProgram(game).stopped);
    ASSERT_EQ(BoxTitles(game.backend), std::vector<std::string>{kSoundTitle});
    EXPECT_EQ(game.backend.boxes[0].prompt, kSoundText);
    EXPECT_EQ(game.backend.boxes[0].style, 0);
    EXPECT_TRUE(game.Globals().SoundOff);
    EXPECT_EQ(game.program.module1.bank.System(), nullptr);
    EXPECT_TRUE(game.backend.sound_calls.empty());
    EXPECT_EQ(game.backend.display_queries, 1);
    EXPECT_TRUE(game.program.StartWindow().IsVisible());
  }
}

TEST(StartUp, AMissingSoundFileSilencesTheWholeGame) {
  FolderWithout folder("laser.daw");
  Game game(StartOptions("", folder.Path()));
  startup::frmStart& start = game.program.StartWindow();
  size_t calls_before_play = 0;
  game.backend.At(1000, [&] {
    calls_before_play = game.backend.sound_calls.size();
    game.backend.Click(start, start.OKButton);
  });
  game.backend.At(8000, [&] {
    EXPECT_TRUE(game.Vorlet().IsVisible()) << "the game did not start";
    throw gametest::StopGame{};
  });
  ASSERT_TRUE(RunProgram(game).stopped);

  const std::vector<std::string> twelve(kBankLoads.begin(), kBankLoads.end() - 1);
  EXPECT_EQ(SoundLog(game.backend), twelve)
      << "the twelve buffers before it load, and nothing plays, not even the intro";
  EXPECT_EQ(calls_before_play, twelve.size());
  EXPECT_EQ(BoxTitles(game.backend).front(), kSoundTitle);
  EXPECT_EQ(game.backend.display_queries, 2) << "the display is asked again after the failure";
  EXPECT_TRUE(game.Globals().SoundOff);
  EXPECT_TRUE(game.program.module1.bank.IsLoaded(Sound::sTele3));
  EXPECT_FALSE(game.program.module1.bank.IsLoaded(Sound::sLaser));
}

// A buffer never loaded is Nothing, and a failed load names the file and leaves the buffer it
// would have replaced.
TEST(SoundBank, NothingAndAFailedLoadThrowNamingWhatFailed) {
  scripted::ScriptedBackend backend;
  bool sound_off = false;
  startup::SoundBank bank(sound_off);
  bank.SetSystem(backend.CreateSoundSystem());
  const auto error_of = [](const std::function<void()>& call) -> std::string {
    try {
      call();
    } catch (const platform::PlatformError& error) {
      return error.what();
    }
    return "(no error)";
  };
  EXPECT_NE(error_of([&] { bank.Play(Sound::sLaser, 1); }).find("sLaser"), std::string::npos);
  bank.Load(Sound::sTheme, ORBELON_GAME_DIR "\\theme.daw");
  const std::string error = error_of([&] { bank.Load(Sound::sTheme, "missing.daw"); });
  EXPECT_NE(error.find("missing.daw"), std::string::npos) << error;
  bank.Play(Sound::sTheme, 1);
  EXPECT_EQ(backend.PlayingLoops(), std::set<std::string>{"theme.daw"});
  EXPECT_THROW(bank.Play(Sound::sTheme, 2), std::invalid_argument);
}

// Anything but 16 bits per pixel ends the program after its message, whatever the sound system
// did before it.
TEST(StartUp, ADisplayThatIsNotHighColourEndsTheProgramAfterItsMessage) {
  const struct {
    const char* name;
    const char* command_line;
    bool sound_device;
    std::vector<std::string> titles;  // the boxes, in order
  } roads[] = {
      {"working sound", "", true, {"Error:"}},
      {"failing sound system", "", false, {kSoundTitle, "Error:"}},
      {"nosound", "nosound", true, {kSoundTitle, "Error:"}},
  };
  for (const auto& road : roads) {
    for (int bits : {32, 24, 15, 8}) {
      SCOPED_TRACE(std::string(road.name) + " at " + std::to_string(bits) + " bits");
      Game game(StartOptions(road.command_line));
      game.backend.sound_device = road.sound_device;
      game.backend.display_bits_per_pixel = bits;
      game.StopAt(60000);
      ASSERT_EQ(RunProgram(game).exit_status, 0) << "the program went on";
      EXPECT_EQ(BoxTitles(game.backend), road.titles);
      EXPECT_TRUE(game.backend.boxes.back().prompt == kDisplayText &&
                  game.backend.boxes.back().style == 16);
      EXPECT_EQ(WindowEvents(game.backend, "frmStart", "show"), 0) << "the start window showed";
      EXPECT_TRUE(game.backend.sound_calls.empty()) << "a buffer was loaded before the test";
    }
  }
}

}  // namespace
}  // namespace orbelon
