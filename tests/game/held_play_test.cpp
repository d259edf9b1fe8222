// Play held behind a box or a window: the pointer's trip to a button tilts nothing when play
// resumes, and the close box of every window with a title bar takes the road a player expects.

#include <cmath>

#include "game/support/game_fixture.h"
#include "platform/runtime/message_box.h"
#include "screens/frm_paused.h"

namespace orbelon::gametest {
namespace {

// The angle between two unit vectors.
float Between(const Vector& a, const Vector& b) {
  return std::acos(std::clamp(a.x * b.x + a.y * b.y + a.z * b.z, -1.0f, 1.0f));
}

TEST(HeldPlay, ATripToTheReadyBoxsButtonOrToContinueTiltsNothing) {
  Game game;
  engine::frmVorlet& w = game.Vorlet();
  screens::frmPaused& pause = game.program.PauseWindow();
  // Every box after the first is closed with the mouse: 60 pixels right and down to its button.
  game.backend.on_box = [&](const scripted::BoxRecord&) {
    game.backend.After(100, [&] {
      const platform::MessageBoxForm& box = *game.backend.OpenBox();
      if (game.backend.boxes.size() > 1) {
        game.backend.MovePointer(60, 60);
      }
      game.backend.Click(box, box.OKButton);
    });
  };
  int phase = 0;    // 0 the first life, 1 after the "Ready:" box of the second, 2 after the pause
  int renders = 0;  // since play resumed
  Vector held;      // the board's up vector when play was held
  game.backend.on_render = [&](int render) {
    const Vector up = Game::AxesOf(w.fBase, game.SceneFrame()).second;
    if (render == 3) {
      w.fVorlet.SetPosition(w.fBase, 0, 15, 5000);  // off the board: a fall
      held = w.BaseUp;
    }
    if (phase == 0 && w.Lives == 2 && game.backend.OpenBox() == nullptr) {
      phase = 1;
    }
    if (phase == 0) {
      return;
    }
    // After the box, the pass that fell draws once more before the first whole pass.
    const int first_pass = phase == 1 ? 2 : 1;
    const char* road = phase == 1 ? "after the \"Ready:\" box: " : "after the pause: ";
    if (++renders <= first_pass) {
      EXPECT_TRUE(Near(up, held, 1e-6f)) << road << "the first pass tilts the board";
      if (renders == first_pass) {
        game.backend.MovePointer(40, 0);
      }
    } else {
      EXPECT_NEAR(Between(up, held), 0.1f, 1e-4f) << road << "a later move tilts as before";
      if (phase == 2) {
        throw StopGame{};
      }
      phase = 2;
      renders = 0;
      held = up;
      game.backend.PressKey(w, kEsc);
      game.backend.After(200, [&] {
        game.backend.MovePointer(60, 60);
        game.backend.Click(pause, pause.Command2);
      });
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(phase, 2) << "play never resumed after the pause";
}

TEST(HeldPlay, TheCloseBoxEndsTheStartWindowQuitsPlayAndActsAsOkAndAsExit) {
  {
    Game game(StartOptions(""));
    game.backend.At(1000, [&] { game.backend.RequestClose(game.program.StartWindow()); });
    game.StopAt(3000);
    EXPECT_EQ(RunProgram(game).exit_status, 0) << "the start window's close box ends the program";
    EXPECT_FALSE(game.program.HasPlayWindow());
  }
  Game game;
  engine::frmVorlet& w = game.Vorlet();
  screens::frmOrder& closing = game.program.ClosingWindow();
  game.backend.on_box = [&](const scripted::BoxRecord&) {
    game.backend.RequestClose(w);  // held behind the box: nothing
    game.backend.RequestClose(*game.backend.OpenBox());
  };
  size_t calls = 0;
  game.backend.At(2000, [&] {
    ASSERT_TRUE(game.backend.OpenBox() == nullptr && w.IsVisible() && !closing.IsLoaded())
        << "the box's close box did not act as OK, or the play window's was heard behind it";
    calls = game.backend.sound_calls.size();
    game.backend.RequestClose(w);
  });
  game.backend.At(2500, [&] {
    ASSERT_TRUE(closing.IsVisible() && !w.IsVisible()) << "the play window's close box";
    EXPECT_EQ(game.backend.show_count, 0) << "the pointer is shown for the closing window";
    const std::vector<std::string> log = SoundLog(game.backend);
    EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<long>(calls), log.end()),
              (std::vector<std::string>{"stop theme.daw", "play msgb.daw 1", "stop laser.daw"}))
        << "the sounds of \"Quit Orbelon\"";
    game.backend.RequestClose(closing);
  });
  game.StopAt(5000);
  EXPECT_EQ(game.Play().exit_status, 0) << "the closing window's close box acts as \"Exit\"";
  EXPECT_EQ(game.backend.boxes.size(), 1u);
}

}  // namespace
}  // namespace orbelon::gametest
