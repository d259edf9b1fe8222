// The pause window on the play window's Esc: continuing, pausing again, and quitting into the
// closing window, with sound and in silent mode.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game/startup_run.h"
#include "screens/frm_order.h"
#include "screens/frm_paused.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;
using namespace startuptest;

// Play is under way (its "Ready:" box long closed) by then.
constexpr uint32_t kInPlay = 2000;

TEST(PauseWindow, EscOrContinueResumesPlayAndEscPausesAgain) {
  Game game;
  engine::frmVorlet& play = game.Vorlet();
  screens::frmPaused& pause = game.program.PauseWindow();
  int in_play_count = 0;  // the pointer's show count in play: hidden
  game.backend.At(kInPlay, [&] {
    in_play_count = game.backend.show_count;
    game.backend.PressKey(play, kEsc);
  });
  game.backend.At(kInPlay + 500, [&] {
    ASSERT_TRUE(pause.IsVisible()) << "Esc in play did not pause";
    EXPECT_EQ(pause.FocusedControl(), &pause.Command1) << "\"Quit Orbelon\" has the focus";
    EXPECT_EQ(game.backend.show_count, in_play_count + 1) << "the pointer shows for the pause";
    game.backend.PressKey(pause, kEsc);
  });
  game.backend.At(kInPlay + 1000, [&] {
    EXPECT_FALSE(pause.IsLoaded()) << "Esc did not continue";
    EXPECT_EQ(game.backend.show_count, in_play_count) << "the pointer is not hidden again";
    EXPECT_TRUE(play.Timer1.Enabled()) << "the clock did not resume";
    game.backend.PressKey(play, kEsc);
  });
  game.backend.At(kInPlay + 1500, [&] {
    ASSERT_TRUE(pause.IsVisible()) << "Esc in play did not pause a second time";
    game.backend.Click(pause, pause.Command2);
  });
  game.backend.At(kInPlay + 2000, [&] {
    EXPECT_FALSE(pause.IsLoaded()) << "\"Continue\" did not close the pause window";
    EXPECT_EQ(game.backend.show_count, in_play_count);
    EXPECT_TRUE(play.IsVisible());
    throw StopGame{};
  });
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(WindowEvents(game.backend, "frmOrder", "show"), 0);
}

TEST(PauseWindow, EnterOnAFreshPauseWindowQuitsIntoTheClosingWindow) {
  Game game;
  engine::frmVorlet& play = game.Vorlet();
  screens::frmPaused& pause = game.program.PauseWindow();
  screens::frmOrder& closing = game.program.ClosingWindow();
  size_t calls_before_quit = 0;
  game.backend.At(kInPlay, [&] { game.backend.PressKey(play, kEsc); });
  // The focus moved to "Continue" in this pause must not carry over into the next one.
  game.backend.At(kInPlay + 500, [&] {
    game.backend.PressKey(pause, kTab);
    game.backend.PressKey(pause, kEsc);
  });
  game.backend.At(kInPlay + 1000, [&] { game.backend.PressKey(play, kEsc); });
  game.backend.At(kInPlay + 1500, [&] {
    calls_before_quit = game.backend.sound_calls.size();
    game.backend.PressKey(pause, kEnter);
  });
  game.backend.At(kInPlay + 2000, [&] {
    ASSERT_TRUE(closing.IsVisible()) << "Enter did not quit";
    EXPECT_FALSE(pause.IsVisible());
    EXPECT_FALSE(play.IsVisible()) << "the closing window hides the play window";
    EXPECT_TRUE(play.IsLoaded());
    EXPECT_GE(game.backend.show_count, 0) << "the pointer is hidden under the closing window";
    const std::vector<std::string> log = SoundLog(game.backend);
    EXPECT_EQ(
        std::vector<std::string>(log.begin() + static_cast<long>(calls_before_quit), log.end()),
        (std::vector<std::string>{"stop theme.daw", "play msgb.daw 1", "stop laser.daw"}));
    EXPECT_EQ(game.backend.PlayingLoops(), std::set<std::string>{"msgb.daw"});
    game.backend.PressKey(closing, kEnter);
  });
  game.StopAt(kInPlay + 10000);
  EXPECT_EQ(game.Play().exit_status, 0) << "closing the closing window ends the program";
}

TEST(PauseWindow, QuitInSilentModeMakesNoSoundCall) {
  Game game(StartOptions("nosound"));
  startup::frmStart& start = game.program.StartWindow();
  screens::frmPaused& pause = game.program.PauseWindow();
  screens::frmOrder& closing = game.program.ClosingWindow();
  game.backend.At(1000, [&] { game.backend.PressKey(start, kEnter); });
  game.backend.At(1000 + kInPlay, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.backend.At(1500 + kInPlay, [&] { game.backend.Click(pause, pause.Command1); });
  game.backend.At(2000 + kInPlay, [&] {
    ASSERT_TRUE(closing.IsVisible());
    game.backend.Click(closing, closing.OKButton);
  });
  game.StopAt(10000 + kInPlay);
  EXPECT_EQ(RunProgram(game).exit_status, 0);
  EXPECT_TRUE(game.backend.sound_calls.empty())
      << "silent mode made " << game.backend.sound_calls.size() << " sound calls";
}

}  // namespace
}  // namespace orbelon
