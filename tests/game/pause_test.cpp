// Esc in play: the pointer shows, the clock stands still under the pause window, and the game
// either goes on where it stood or, through "Quit Orbelon", ends behind the closing window, which
// only its "Exit" closes.

#include "game/support/game_fixture.h"
#include "screens/frm_paused.h"

namespace orbelon::gametest {
namespace {

// Only "Exit" closes the closing window, and "Hint" never shows.
TEST(Pause, EscPausesEscOrContinueResumesAndEnterOnAFreshPauseWindowQuits) {
  for (const bool sound : {true, false}) {
    SCOPED_TRACE(sound ? "with sound" : "silent");
    Game game({ORBELON_GAME_DIR, "", sound});
    engine::frmVorlet& play = game.Vorlet();
    screens::frmPaused& pause = game.program.PauseWindow();
    screens::frmOrder& closing = game.program.ClosingWindow();
    int16_t time_left = 0;
    int renders = 0;
    size_t calls_before_quit = 0;
    // Half a second into a wall-clock second; the pause spans 25 turns of it.
    game.backend.At(3500, [&] { game.backend.PressKey(play, kEsc); });
    game.backend.At(3600, [&] {
      EXPECT_TRUE(pause.IsVisible() && !play.Timer1.Enabled() && game.backend.show_count == 0)
          << "the pause window opens with the pointer shown and the clock's timer off";
      EXPECT_EQ(pause.FocusedControl(), &pause.Command1) << "\"Quit Orbelon\" has the focus";
      time_left = play.TimeLeft;
      renders = game.backend.canvas_renders;
    });
    game.backend.At(28400, [&] {
      EXPECT_TRUE(play.TimeLeft == time_left && game.backend.canvas_renders == renders)
          << "the clock and the frame loop stand still under the pause window";
      game.backend.PressKey(pause, kEsc);
    });
    game.backend.At(28700, [&] {
      EXPECT_TRUE(!pause.IsLoaded() && play.Timer1.Enabled() && game.backend.show_count == -1 &&
                  game.backend.canvas_renders > renders)
          << "Esc continues with the pointer hidden again";
      EXPECT_LE(time_left - play.TimeLeft, 1) << "at most one second counted at once";
    });
    game.backend.At(29700, [&] {
      EXPECT_EQ(time_left - play.TimeLeft, 2) << "then a second at a time";
      game.backend.PressKey(play, kEsc);
    });
    game.backend.At(30000, [&] { game.backend.Click(pause, pause.Command2); });
    game.backend.At(30300, [&] {
      EXPECT_TRUE(!pause.IsLoaded() && play.Timer1.Enabled() && game.backend.show_count == -1)
          << "Esc paused again and \"Continue\" resumed";
      game.backend.PressKey(play, kEsc);
    });
    game.backend.At(31000, [&] {
      calls_before_quit = game.backend.sound_calls.size();
      game.backend.PressKey(pause, kEnter);
    });
    game.backend.At(31500, [&] {
      ASSERT_TRUE(closing.IsVisible()) << "Enter did not quit";
      EXPECT_TRUE(!pause.IsVisible() && !play.IsVisible() && play.IsLoaded())
          << "the closing window stands in place of the play window";
      EXPECT_EQ(game.backend.show_count, 0) << "the pointer stays shown under the closing window";
      const std::vector<std::string> log = SoundLog(game.backend);
      EXPECT_EQ(
          std::vector<std::string>(log.begin() + static_cast<long>(calls_before_quit), log.end()),
          (sound ? std::vector<std::string>{"stop theme.daw", "play msgb.daw 1", "stop laser.daw"}
                 : std::vector<std::string>{}));
      // Neither Esc nor a click on the picture, nor one where the hidden "Hint" lies, closes it.
      EXPECT_EQ(closing.FocusedControl(), &closing.OKButton);
      game.backend.PressKey(closing, kEsc);
      game.backend.ClickAt(closing, 100, 50);
      game.backend.Click(closing, closing.Command1);
    });
    game.backend.At(32000, [&] {
      EXPECT_TRUE(closing.IsVisible() && !closing.Command1.Visible())
          << "closed by something else than Exit, or \"Hint\" showed";
      game.backend.Click(closing, closing.OKButton);
    });
    game.StopAt(40000);
    EXPECT_EQ(game.Play().exit_status, 0) << "closing the closing window ends the program";
    EXPECT_GE(game.backend.Now(), 32000u) << "something else than Exit closed the closing window";
    EXPECT_EQ(game.backend.PlayingLoops(),
              sound ? std::set<std::string>{"msgb.daw"} : std::set<std::string>{});
    EXPECT_EQ(game.backend.boxes.size(), 1u) << "no box on the way out";
    EXPECT_EQ(WindowEvents(game.backend, "frmPaused", "destroy"), 2) << "closed, not destroyed";
    EXPECT_EQ(ShownOver(game.backend, "frmPaused"), "frmVorlet");
    EXPECT_EQ(ShownOver(game.backend, "frmOrder"), "") << "the closing window stands alone";
    EXPECT_EQ(KeyboardHandovers(game.backend), std::vector<std::string>(3, "frmVorlet"))
        << "after the \"Ready:\" box and the two pauses that went on";
    std::vector<uint32_t> songs;
    for (const scripted::SoundCall& call : game.backend.sound_calls) {
      if (call.file == "bird.daw" && call.call == "play") {
        songs.push_back(call.time);
      }
    }
    EXPECT_EQ(songs, (sound ? std::vector<uint32_t>{10000, 30000} : std::vector<uint32_t>{}))
        << "the bird sings 10 s after the load, then 20 s later, under the pause window too";
  }
}

}  // namespace
}  // namespace orbelon::gametest
