// Lives lost to the tilt limit and to the UFO: a board on its side is no tilt, a hair past it is;
// each lost life opens the "TILT !!!" box and a new life behind its "Ready:" box, with the board
// level again, and on the last life the game-over box, the closing window and the end.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// Two tilts, each with its "TILT !!!" box and a new life behind a "Ready:" box left open for two
// seconds, then the UFO takes the last life: the game-over box, the closing window and the end. A
// held pill carries over a lost life, every life starts on a full clock, and the game-over box
// quotes the score as shown while it still climbs, with the laser stopped.
TEST(LifeCycle, TwoTiltsAndAShotEndTheGameThroughTheClosingWindowWithOrWithoutSound) {
  for (const bool sound : {true, false}) {
    SCOPED_TRACE(sound ? "with sound" : "silent");
    Game game({ORBELON_GAME_DIR, "", sound});
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen, 2000);
    size_t boxes = 0;  // seen at the render before
    game.backend.on_render = [&](int) {
      engine::frmVorlet& w = game.Vorlet();
      if (seen.size() == boxes) {
        return;
      }
      boxes = seen.size();
      EXPECT_TRUE(w.TimeLeft == 31 && (boxes == 1 || w.Pill))
          << "a full clock and the pill still held after box " << boxes;
      w.Pill = true;  // as if it had been taken
      if (boxes == 1) {
        // Exactly on its side the board is no tilt; a hair past it is, and the new life starts
        // with the board at rest and keeps the checkpoints reached.
        const Frame scene = game.SceneFrame();
        w.CurrentPod = 3;
        w.Label9.SetCaption("Checkpoints Remaining: 10");
        w.fBase.SetOrientation(scene, 0, 0, 1, 1, 0, 0);
        w.UpsideDown();
        EXPECT_TRUE(seen.size() == 1 && w.Text15.Text() == "RightSideUp");
        w.fBase.SetOrientation(scene, 0, 0, 1, 1, -0.001f, 0);
        w.UpsideDown();
        const auto [dir, up] = Game::AxesOf(w.fBase, scene);
        EXPECT_TRUE(Near(dir, w.BaseDir, 1e-6f) && Near(up, w.BaseUp, 1e-6f) &&
                    w.Text15.Text() == "UpsideDown");
        EXPECT_TRUE(Near(Game::PositionOf(w.fDisc, w.fBase), w.PodPos[3], 0) && w.CurrentPod == 3 &&
                    w.Label9.Caption() == "Checkpoints Remaining: 10");
      } else if (boxes < 5) {
        game.backend.MovePointer(0, 900);  // well past the board's side
      } else {
        w.Score = 2300;
        w.TempScore = 9000;
        w.fUFO.SetPosition(w.fBase, 30, 84, 300);  // beside the resting ball
      }
    };
    EXPECT_EQ(game.Play().exit_status, 0);
    const auto loops = sound ? std::set<std::string>{"msgb.daw"} : std::set<std::string>{};
    ASSERT_EQ(seen.size(), 6u);
    for (size_t i = 0; i < seen.size(); ++i) {
      const scripted::BoxRecord& box = seen[i].box;
      SCOPED_TRACE("box " + std::to_string(i) + ": " + box.prompt);
      EXPECT_TRUE(box.show_count == 0 && !seen[i].clock_shown && seen[i].loops == loops)
          << "the pointer shown, the clock hidden and the message sound alone under every box";
      EXPECT_EQ(box.owner, "frmVorlet");
      if (i == 5) {
        EXPECT_TRUE(box.title == "Sorry:" && box.style == 0 && seen[i].icons == 0);
        EXPECT_EQ(box.prompt, std::to_string(seen[i].score) + " :  G A M E   O V E R ! !");
        EXPECT_TRUE(seen[i].score > 2300 && seen[i].score < 9000) << "the score shown";
      } else if (i % 2 == 1) {
        EXPECT_TRUE(box.title == "Sorry:" && box.prompt == "TILT !!!" && box.style == 16);
      } else {
        EXPECT_TRUE(box.title == "Ready:" && box.prompt == "Good Luck!!" && box.style == 0);
        EXPECT_EQ(seen[i].icons, 3 - static_cast<int>(i) / 2) << "the lives left";
      }
    }
    EXPECT_EQ(game.backend.show_count, 0) << "the pointer stays shown on the way out";
    EXPECT_EQ(KeyboardHandovers(game.backend), std::vector<std::string>(6, "frmVorlet"))
        << "the play window takes the keyboard back from every box";
    EXPECT_EQ(ShownOver(game.backend, "frmOrder"), "");
    EXPECT_EQ(game.backend.PlayingLoops(), loops) << "under the closing window";
    EXPECT_EQ(game.backend.sound_calls.empty(), !sound);
  }
}

}  // namespace
}  // namespace orbelon::gametest
