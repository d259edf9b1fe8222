// Winning level 1: the extra life, the fly-away, the winner's box and the score settled; then
// level 2 built on top of a level 1 in any state, or a level 2 that cannot be built.

#include <stdexcept>

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// Whatever level 1 used up or left running, the teardown finishes and level 2 stands complete,
// with the arrow of level 1 still at work. A bonus landed during the fly-away is counted only as
// far as the fly-away's 100 steps reach before the winner's box quotes the score.
TEST(Level2, StandsCompleteWhateverLevel1LeftBehind) {
  const struct {
    const char* name;
    std::function<void(engine::frmVorlet&)> leave;
  } states[] = {
      {"teleporters and pill used, UFO removed, rage over",
       [](engine::frmVorlet& w) {
         w.fUFO.DeleteVisual(w.mUFO1);
         w.fUFO.DeleteVisual(w.mUFO2);
         w.fUFO = w.fBeam = w.fRage = Frame();
         w.UFOActive = false;
       }},
      {"UFO removal due, rage running, marker out, four lives",
       [](engine::frmVorlet& w) {
         w.Timer4.SetEnabled(true);
         w.fRage.AddVisual(w.mRage);
         w.Timer3.SetEnabled(true);
         w.fAnt.AddVisual(w.mAnt);
         w.Ant = false;
         w.Lives = 4;
       }},
  };
  for (const auto& state : states) {
    SCOPED_TRACE(state.name);
    const bool used_up = &state == &states[0];
    Game game;
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen);
    Frame old_root;
    uint32_t level2_began = 0;
    int fly_renders = 0;
    int32_t score_at_fly = 0;
    float camera_at_fly = 0;
    game.backend.on_render = [&](int render) {
      engine::frmVorlet& w = game.Vorlet();
      // Over teleporter 1, teleporter 2 and the pill in turn, as a player rolls.
      const float z[] = {-700, 700, 0};
      if (used_up && render >= 3 && render <= 7 && render % 2 == 1) {
        w.fVorlet.SetPosition(w.fBase, 0, w.StartY, z[(render - 3) / 2]);
      }
      if (render == 9) {
        EXPECT_EQ(w.Pill, used_up) << "the pill is held";
        state.leave(w);
        old_root = w.fBase;
        BallOnLastDisc(w);
      }
      const Vector camera = Game::PositionOf(w.MyCamera, w.fVorlet);
      const float distance = std::hypot(camera.x, camera.y, camera.z);
      if (w.CurrentPod > w.Pods && ++fly_renders == 1) {
        score_at_fly = w.Score;
        camera_at_fly = distance;
        w.TempScore += 20000;  // as an ant jump beside the UFO would give
      } else if (w.CurrentPod > w.Pods && fly_renders == 100) {
        EXPECT_GT(distance, camera_at_fly + 9000) << "the camera backs away";
      }
      if (game.Globals().CurrentLevel != 2) {
        return;
      }
      if (level2_began == 0) {
        level2_began = game.backend.Now();
        const Frame scene_frame = game.SceneFrame();
        EXPECT_TRUE(fly_renders == 100 && w.Score == w.TempScore && w.CurrentPod == 0)
            << "the score is settled after the box";
        EXPECT_TRUE(w.UFOActive && w.Ant && !w.Pill && !w.Timer3.Enabled() && w.Lives == 3);
        EXPECT_TRUE(w.Pods == 11 && w.Label8.Caption() == "LEVEL: Demo2" &&
                    w.Label9.Caption() == "Checkpoints Remaining: 12");
        EXPECT_TRUE(Near(Game::PositionOf(w.fVorlet, scene_frame), {0, 11, 0}, 0))
            << "the ball is on the start point";
        EXPECT_FLOAT_EQ(w.fDisc.Node()->spin_rate, -0.25f) << "the disc turns the other way";
        EXPECT_EQ(Game::PositionOf(w.fUFO, w.fBase).y, 80) << "the UFO flies at level 2's height";
        EXPECT_TRUE(Game::VisualsOn(w.fTele1) == 2 && Game::VisualsOn(w.fTele2) == 2 &&
                    Game::VisualsOn(w.fPill) == 1);
        EXPECT_TRUE(!Game::VisualsOn(w.fRage) && !Game::VisualsOn(w.fAnt)) << "rage or marker";
        EXPECT_TRUE(w.fArrow.GetParent() == old_root && old_root.GetParent() == scene_frame);
        EXPECT_EQ(scene::CollectScene(old_root).items.size(), 1u) << "only the arrow is left";
        const Vector disc = Game::PositionOf(w.fDisc, w.fArrow);
        EXPECT_LT(std::abs(disc.x) + std::abs(disc.y), 0.01f * disc.z) << "the arrow points away";
        EXPECT_EQ(game.PickFirst(scene_frame, {0, 18, 0})->name, "base");
        EXPECT_EQ(game.PickFirst(w.fBase, {847, 18, 0})->name, "") << "the rim has no name";
        EXPECT_EQ(game.backend.show_count, -1) << "the pointer is hidden again";
      } else if (game.backend.Now() > level2_began + 3500) {
        EXPECT_TRUE(w.UFOActive && Game::VisualsOn(w.fUFO) == 2) << "the new UFO was removed";
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    ASSERT_EQ(BoxTitles(game.backend), (std::vector<std::string>{"Ready:", "WINNER:", "Ready:"}));
    EXPECT_EQ(seen[1].box.prompt, std::to_string(score_at_fly + 10000) + " : Congratulations !!!")
        << "the box quotes the score as counted: at most 100 steps of 100";
    EXPECT_TRUE(seen[1].lives == 4 && seen[2].lives == 3) << "a life won, never more than four";
  }
}

// A file of level 2 that cannot be read when level 1 is won ends the game naming it, the music
// before the teardown as much as the board after it: nothing plays on in a finished level.
TEST(Level2, AFileThatCannotBeReadEndsTheGameNamingIt) {
  for (const std::string file : {"theme2.daw", "spiderb.dax"}) {
    SCOPED_TRACE(file);
    FolderWithout folder(file);
    Game game({folder.Path(), "", true});
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen);
    game.backend.on_render = [&](int render) {
      if (render == 3) {
        BallOnLastDisc(game.Vorlet());
      }
    };
    try {
      game.Play();
      ADD_FAILURE() << "the game went on without " << file;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
    }
    EXPECT_EQ(BoxTitles(game.backend), (std::vector<std::string>{"Ready:", "WINNER:"}));
  }
}

}  // namespace
}  // namespace orbelon::gametest
