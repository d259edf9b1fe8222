// The start-up's choice between sound and silence: the command line, a sound system that fails
// to open, and a sound file that fails to load.

#include <gtest/gtest.h>

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

TEST(StartUp, WithSoundLoadsTheBankInOrderAndPlaysTheIntroOnce) {
  Game game(StartOptions(""));
  game.StopAt(5000);
  ASSERT_TRUE(RunProgram(game).stopped);

  std::vector<std::string> expected = kBankLoads;
  expected.push_back("play intro.daw 0");
  EXPECT_EQ(SoundLog(game.backend), expected);
  EXPECT_TRUE(game.backend.boxes.empty()) << "no message on the sound road";
  EXPECT_FALSE(game.Globals().SoundOff);
  EXPECT_EQ(game.backend.display_queries, 1);
  EXPECT_EQ(game.Globals().AppPath, ORBELON_GAME_DIR);
  EXPECT_TRUE(game.program.StartWindow().IsVisible()) << "the start window waits for the player";
}

TEST(StartUp, OnlyTheExactWordNosoundChoosesSilence) {
  {
    Game game(StartOptions("nosound"));
    game.StopAt(5000);
    ASSERT_TRUE(RunProgram(game).stopped);
    ASSERT_EQ(game.backend.boxes.size(), 1u);
    const scripted::BoxRecord& box = game.backend.boxes[0];
    EXPECT_EQ(box.title, kSoundTitle);
    EXPECT_EQ(box.prompt, kSoundText);
    EXPECT_EQ(box.style, 0);
    EXPECT_TRUE(game.Globals().SoundOff);
    EXPECT_EQ(game.program.module1.bank.System(), nullptr) << "no sound system is ever made";
    EXPECT_TRUE(game.backend.sound_calls.empty());
    EXPECT_EQ(game.backend.display_queries, 1);
    EXPECT_TRUE(game.program.StartWindow().IsVisible());
  }
  for (const char* near_miss : {"NoSound", "NOSOUND", "nosound x", "x nosound", " nosound",
                                "nosound ", "-nosound", "nosounds"}) {
    Game game(StartOptions(near_miss));
    game.StopAt(5000);
    ASSERT_TRUE(RunProgram(game).stopped) << near_miss;
    EXPECT_TRUE(game.backend.boxes.empty()) << "\"" << near_miss << "\" showed a box";
    EXPECT_FALSE(game.Globals().SoundOff) << "\"" << near_miss << "\" silenced the game";
    EXPECT_EQ(game.backend.sound_calls.size(), kBankLoads.size() + 1) << near_miss;
  }
}

TEST(StartUp, ASoundSystemThatFailsToOpenGivesOneMessageAndSilence) {
  Game game(StartOptions(""));
  game.backend.sound_device = false;
  game.StopAt(5000);
  ASSERT_TRUE(RunProgram(game).stopped);
  ASSERT_EQ(BoxTitles(game.backend), std::vector<std::string>{kSoundTitle});
  EXPECT_EQ(game.backend.boxes[0].prompt, kSoundText);
  EXPECT_TRUE(game.Globals().SoundOff);
  EXPECT_TRUE(game.backend.sound_calls.empty());
  EXPECT_EQ(game.backend.display_queries, 1) << "the failure comes before the first display test";
  EXPECT_TRUE(game.program.StartWindow().IsVisible());
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

}  // namespace
}  // namespace orbelon
