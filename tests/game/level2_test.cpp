// Level 2 built on top of a level 1 in any state: whatever level 1 used up or left running, the
// teardown finishes and level 2 stands complete, with the arrow of level 1 still at work.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "game/endlevel_play.h"
#include "platform/scene/scene_objects.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;
using namespace endleveltest;
using scene::Frame;
using scene::Vector;

size_t VisualsOn(const Frame& frame) {
  return frame ? frame.Node()->visuals.size() : 0;
}

struct Level1State {
  const char* name;
  std::function<void(engine::frmVorlet&)> leave;
};

TEST(Level2, StandsCompleteWhateverLevel1LeftBehind) {
  const Level1State states[] = {
      {"teleporters and pill used, UFO removed, rage over",
       [](engine::frmVorlet& w) {
         w.fUFO.DeleteVisual(w.mUFO1);
         w.fUFO.DeleteVisual(w.mUFO2);
         w.fUFO = w.fBeam = w.fRage = Frame();
         w.UFOActive = false;
       }},
      {"UFO removal due, rage running, marker out",
       [](engine::frmVorlet& w) {
         w.Timer4.SetEnabled(true);
         w.fRage.AddVisual(w.mRage);
         w.Timer3.SetEnabled(true);
         w.fAnt.AddVisual(w.mAnt);
         w.Ant = false;
       }},
  };
  for (const Level1State& state : states) {
    SCOPED_TRACE(state.name);
    const bool used_up = &state == &states[0];
    Game game;
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen);
    Frame old_root;
    uint32_t level2_began = 0;
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
      if (game.Globals().CurrentLevel != 2) {
        return;
      }
      if (level2_began == 0) {
        level2_began = game.backend.Now();
        const Frame scene_frame = game.SceneFrame();
        EXPECT_TRUE(w.UFOActive && w.Ant && !w.Pill && !w.Timer3.Enabled() && w.Lives == 3);
        EXPECT_TRUE(w.Pods == 11 && w.Label8.Caption() == "LEVEL: Demo2" &&
                    w.Label9.Caption() == "Checkpoints Remaining: 12");
        const Vector ball = Game::PositionOf(w.fVorlet, scene_frame);
        EXPECT_TRUE(ball.x == 0 && ball.y == 11 && ball.z == 0) << "the ball is on the start point";
        EXPECT_FLOAT_EQ(w.fDisc.Node()->spin_rate, -0.25f) << "the disc turns the other way";
        EXPECT_EQ(Game::PositionOf(w.fUFO, w.fBase).y, 80) << "the UFO flies at level 2's height";
        EXPECT_TRUE(VisualsOn(w.fTele1) == 2 && VisualsOn(w.fTele2) == 2 &&
                    VisualsOn(w.fPill) == 1);
        EXPECT_TRUE(VisualsOn(w.fRage) == 0 && VisualsOn(w.fAnt) == 0) << "rage or marker stayed";
        EXPECT_TRUE(w.fArrow.GetParent() == old_root && old_root.GetParent() == scene_frame);
        EXPECT_EQ(scene::CollectScene(old_root).items.size(), 1u) << "only the arrow is left";
        const Vector disc = Game::PositionOf(w.fDisc, w.fArrow);
        EXPECT_LT(std::abs(disc.x) + std::abs(disc.y), 0.01f * disc.z) << "the arrow points away";
        EXPECT_EQ(game.PickFirst(scene_frame, {0, 18, 0})->name, "base");
        EXPECT_EQ(game.PickFirst(w.fBase, {847, 18, 0})->name, "") << "the rim has no name";
      } else if (game.backend.Now() > level2_began + 3500) {
        EXPECT_TRUE(w.UFOActive && VisualsOn(w.fUFO) == 2) << "the new UFO was removed";
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
  }
}

}  // namespace
}  // namespace orbelon
