// Esc in play: the pointer shows, the clock stands still under the pause window, and the game
// either goes on where it stood or, through "Quit Orbelon", ends behind the closing window.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/support/game_fixture.h"
#include "screens/frm_order.h"
#include "screens/frm_paused.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

constexpr int kEsc = 27;
constexpr int kEnter = 13;

int CountShows(const Game& game, const std::string& form) {
  return static_cast<int>(std::count_if(
      game.backend.windows.begin(), game.backend.windows.end(),
      [&](const scripted::WindowRecord& r) { return r.form == form && r.what == "show"; }));
}

TEST(Pause, EscPausesEscContinuesAndTheClockStandsStillMeanwhile) {
  Game game;
  // Half a second into a wall-clock second, so that the pause spans many turns of it.
  const uint32_t pause_at = 3500;
  const uint32_t continue_at = 28500;
  struct Seen {
    bool paused = false;
    bool timer_enabled = true;
    int show_count = 0;
    int16_t time_left = 0;
    int renders = 0;
  };
  Seen at_pause, late_in_pause, after_continue, a_second_later;
  const auto look = [&game](Seen& seen) {
    engine::frmVorlet& w = game.Vorlet();
    seen = {game.program.PauseWindow().IsVisible(), w.Timer1.Enabled(), game.backend.show_count,
            w.TimeLeft, game.backend.canvas_renders};
  };
  game.backend.At(pause_at, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.backend.At(pause_at + 100, [&] { look(at_pause); });
  game.backend.At(continue_at - 100, [&] { look(late_in_pause); });
  game.backend.At(continue_at, [&] { game.backend.PressKey(game.program.PauseWindow(), kEsc); });
  game.backend.At(continue_at + 200, [&] { look(after_continue); });
  game.backend.At(continue_at + 1200, [&] { look(a_second_later); });
  game.backend.At(continue_at + 1300, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.StopAt(continue_at + 1500);
  ASSERT_TRUE(game.Play().stopped);

  EXPECT_TRUE(at_pause.paused);
  EXPECT_FALSE(at_pause.timer_enabled) << "the clock's timer stops for the pause";
  EXPECT_EQ(at_pause.show_count, 0) << "the pointer is shown for the pause window";
  EXPECT_TRUE(late_in_pause.paused);
  EXPECT_EQ(late_in_pause.time_left, at_pause.time_left) << "25 s of pause count nothing";
  EXPECT_EQ(late_in_pause.renders, at_pause.renders) << "the frame loop waits";

  EXPECT_FALSE(after_continue.paused);
  EXPECT_TRUE(after_continue.timer_enabled);
  EXPECT_EQ(after_continue.show_count, -1) << "the pointer is hidden again";
  EXPECT_GT(after_continue.renders, late_in_pause.renders) << "play goes on";
  EXPECT_LE(at_pause.time_left - after_continue.time_left, 1)
      << "the clock resumes with at most one second counted";
  EXPECT_EQ(at_pause.time_left - a_second_later.time_left, 2)
      << "and then counts on a second at a time";

  EXPECT_EQ(CountShows(game, "frmPaused"), 2) << "Esc in play pauses again";
  EXPECT_TRUE(game.program.PauseWindow().IsVisible());

  std::vector<uint32_t> songs;
  for (const scripted::SoundCall& call : game.backend.sound_calls) {
    if (call.file == "bird.daw" && call.call == "play" && call.time > pause_at &&
        call.time < continue_at) {
      songs.push_back(call.time);
    }
  }
  EXPECT_FALSE(songs.empty()) << "the bird sings under the pause window";
}

TEST(Pause, EnterOnAFreshPauseWindowQuitsThroughTheClosingWindow) {
  Game game;
  game.backend.At(2000, [&] { game.backend.PressKey(game.Vorlet(), kEsc); });
  game.backend.At(2200, [&] { game.backend.PressKey(game.program.PauseWindow(), kEnter); });
  int show_count_under_closing = 99;
  bool play_window_hidden = false;
  game.backend.At(2500, [&] {
    show_count_under_closing = game.backend.show_count;
    play_window_hidden = !game.Vorlet().IsVisible();
    game.backend.PressKey(game.program.ClosingWindow(), kEnter);
  });
  const gametest::RunEnd end = game.Play();
  ASSERT_EQ(end.exit_status, 0);
  EXPECT_EQ(CountShows(game, "frmOrder"), 1);
  EXPECT_EQ(show_count_under_closing, 0) << "the pointer stays shown under the closing window";
  EXPECT_TRUE(play_window_hidden);
  EXPECT_EQ(game.backend.PlayingLoops(), std::set<std::string>{"msgb.daw"});
  EXPECT_EQ(game.backend.boxes.size(), 1u) << "no box on the way out";
}

}  // namespace
}  // namespace orbelon
