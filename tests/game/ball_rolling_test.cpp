// The ball on the real level 1 board, tilted by the player's pointer: it rolls downhill, the way
// a player expects from the hand's movement.

#include <gtest/gtest.h>

#include <string>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

TEST(BallRolling, ThePointerTiltsTheBoardAndTheBallRollsDownhill) {
  struct Case {
    const char* hand;
    int dx;
    int dy;
    int x_sign;  // the way the ball must roll along the board's x and z
    int z_sign;
  };
  // Right lowers the board's right side (+x); up, away from the player, lowers its far side
  // (+z, which the camera faces).
  const Case cases[] = {
      {"right", 20, 0, 1, 0},
      {"left", -20, 0, -1, 0},
      {"up", 0, -20, 0, 1},
      {"down", 0, 20, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hand);
    Game game;
    scene::Vector start;
    float x_speed = 0;
    float z_speed = 0;
    scene::Vector end;
    game.backend.on_render = [&](int render) {
      engine::frmVorlet& w = game.Vorlet();
      if (render == 3) {
        start = Game::PositionOf(w.fVorlet, w.fBase);
        game.backend.MovePointer(c.dx, c.dy);
      }
      if (render == 23) {
        x_speed = w.xSpeed;
        z_speed = w.zSpeed;
        end = Game::PositionOf(w.fVorlet, w.fBase);
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    EXPECT_EQ(game.backend.boxes.size(), 1u) << "no life was lost on the way";
    const float dx = end.x - start.x;
    const float dz = end.z - start.z;
    EXPECT_FLOAT_EQ(end.y, start.y) << "the ball keeps its height above the board";
    if (c.x_sign != 0) {
      EXPECT_GT(dx * static_cast<float>(c.x_sign), 5) << "rolled along x by " << dx;
      EXPECT_GT(x_speed * static_cast<float>(c.x_sign), 0);
      EXPECT_NEAR(z_speed, 0, 1e-4) << "a tilt about one axis leaves the other speed alone";
    } else {
      EXPECT_GT(dz * static_cast<float>(c.z_sign), 5) << "rolled along z by " << dz;
      EXPECT_GT(z_speed * static_cast<float>(c.z_sign), 0);
      EXPECT_NEAR(x_speed, 0, 1e-4) << "a tilt about one axis leaves the other speed alone";
    }
  }
}

}  // namespace
}  // namespace orbelon
