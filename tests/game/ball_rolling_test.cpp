// The ball on the real level 1 board rolls downhill the way the player's hand tilts it.

#include <gtest/gtest.h>

#include <cmath>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

TEST(BallRolling, ThePointerTiltsTheBoardAndTheBallRollsDownhill) {
  // Right lowers the board's right side (+x); up, away from the player, its far side (+z,
  // which the camera faces).
  const struct {
    const char* hand;
    int dx, dy;
    float x_way, z_way;
  } cases[] = {{"right", 20, 0, 1, 0},
               {"left", -20, 0, -1, 0},
               {"up", 0, -20, 0, 1},
               {"down", 0, 20, 0, -1}};
  for (const auto& c : cases) {
    Game game;
    scene::Vector start, end;
    game.backend.on_render = [&](int render) {
      engine::frmVorlet& w = game.Vorlet();
      if (render == 3) {
        start = Game::PositionOf(w.fVorlet, w.fBase);
        game.backend.MovePointer(c.dx, c.dy);
      }
      if (render == 23) {
        end = Game::PositionOf(w.fVorlet, w.fBase);
        EXPECT_TRUE(w.xSpeed * c.x_way >= 0 && w.zSpeed * c.z_way >= 0 &&
                    std::abs(w.xSpeed * c.z_way) < 1e-4 && std::abs(w.zSpeed * c.x_way) < 1e-4)
            << c.hand << ": speeds " << w.xSpeed << ", " << w.zSpeed;
        throw StopGame{};
      }
    };
    ASSERT_TRUE(game.Play().stopped);
    const float along = (end.x - start.x) * c.x_way + (end.z - start.z) * c.z_way;
    EXPECT_GT(along, 5) << c.hand << ": the ball rolled " << along << " downhill";
    EXPECT_EQ(end.y, start.y) << c.hand << ": the ball keeps its height above the board";
  }
}

}  // namespace
}  // namespace orbelon
