// Esc in play: the pointer shows, the clock stands still under the pause window, and the game
// either goes on where it stood or, through "Quit Orbelon", ends behind the closing window.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "game/support/game_fixture.h"
#include "screens/frm_order.h"
#include "screens/frm_paused.h"

namespace orbelon {
namespace {

using gametest::Game;

constexpr int kEsc = 27;
constexpr int kEnter = 13;

TEST(Pause, EscPausesEscContinuesAndTheClockStandsStillMeanwhile) {
  Game game;
  struct Seen {
    bool paused, timer_on;
    int show_count, renders;
    int16_t time_left;
  };
  std::vector<Seen> seen;
  const auto look = [&game, &seen] {
    seen.push_back({game.program.PauseWindow().IsVisible(), game.Vorlet().Timer1.Enabled(),
                    game.backend.show_count, game.backend.canvas_renders, game.Vorlet().TimeLeft});
  };
  // Half a second into a wall-clock second; the pause spans 25 turns of it.
  game.backend.At(3500, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.backend.At(3600, look);
  game.backend.At(28400, look);
  game.backend.At(28500, [&] { game.backend.PressKey(game.program.PauseWindow(), kEsc); });
  game.backend.At(28700, look);
  game.backend.At(29700, look);
  game.backend.At(29800, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.StopAt(30000);
  ASSERT_TRUE(game.Play().stopped);
  ASSERT_EQ(seen.size(), 4u);
  const Seen &paused = seen[0], &late = seen[1], &resumed = seen[2], &later = seen[3];
  EXPECT_TRUE(paused.paused && !paused.timer_on && paused.show_count == 0)
      << "the pause window opens with the pointer shown and the clock's timer off";
  EXPECT_TRUE(late.paused && late.time_left == paused.time_left && late.renders == paused.renders)
      << "the clock and the frame loop stand still under the pause window";
  EXPECT_TRUE(!resumed.paused && resumed.timer_on && resumed.show_count == -1 &&
              resumed.renders > late.renders)
      << "Esc continues with the pointer hidden again";
  EXPECT_LE(paused.time_left - resumed.time_left, 1) << "at most one second counted at once";
  EXPECT_EQ(paused.time_left - later.time_left, 2) << "then a second at a time";
  EXPECT_TRUE(game.program.PauseWindow().IsVisible()) << "Esc in play pauses again";
  EXPECT_TRUE(std::any_of(game.backend.sound_calls.begin(), game.backend.sound_calls.end(),
                          [](const scripted::SoundCall& call) {
                            return call.file == "bird.daw" && call.call == "play" &&
                                   call.time > 3500 && call.time < 28500;
                          }))
      << "the bird sings under the pause window";
}

TEST(Pause, EnterOnAFreshPauseWindowQuitsThroughTheClosingWindow) {
  Game game;
  game.backend.At(2000, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.backend.At(2200, [&] { game.backend.PressKey(game.program.PauseWindow(), kEnter); });
  int show_count = 99;
  bool play_hidden = false;
  game.backend.At(2500, [&] {
    show_count = game.backend.show_count;
    play_hidden = !game.Vorlet().IsVisible() && game.program.ClosingWindow().IsVisible();
    game.backend.PressKey(game.program.ClosingWindow(), kEnter);
  });
  ASSERT_EQ(game.Play().exit_status, 0);
  EXPECT_EQ(show_count, 0) << "the pointer stays shown under the closing window";
  EXPECT_TRUE(play_hidden) << "the closing window stands in place of the play window";
  EXPECT_EQ(game.backend.PlayingLoops(), std::set<std::string>{"msgb.daw"});
  EXPECT_EQ(game.backend.boxes.size(), 1u) << "no box on the way out";
}

}  // namespace
}  // namespace orbelon
