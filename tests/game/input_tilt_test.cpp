// The player's hand on the board: the pointer's movement since the last pass turns the level
// root about its own axes, and the pointer goes back to its centre every pass.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;

// Where (30000, 30000) of the 0-65535 space lands on the scripted 1024 x 768 screen.
constexpr int kCentreX = 468;
constexpr int kCentreY = 351;

void ExpectBoard(Game& game, double ux, double uy, double uz, double dx, double dy, double dz,
                 double tolerance, const char* what) {
  scene::Vector dir, up;
  game.Vorlet().fBase.GetOrientation(game.SceneFrame(), dir, up);
  EXPECT_TRUE(std::abs(up.x - ux) <= tolerance && std::abs(up.y - uy) <= tolerance &&
              std::abs(up.z - uz) <= tolerance && std::abs(dir.x - dx) <= tolerance &&
              std::abs(dir.y - dy) <= tolerance && std::abs(dir.z - dz) <= tolerance)
      << what << ": up (" << up.x << ", " << up.y << ", " << up.z << ") dir (" << dir.x << ", "
      << dir.y << ", " << dir.z << ")";
}

void ExpectCentred(Game& game) {
  const platform::PointL pointer = game.backend.GetCursorPos();
  EXPECT_TRUE(pointer.x == kCentreX && pointer.y == kCentreY) << "the pointer is re-centred";
}

// 40 pixels right and 20 up within one pass: -0.1 radian about the board's own z axis, then
// +0.05 about its own x axis, so the right and far sides go down.
TEST(PointerTilt, RightAndUpTurnTheBoardAboutItsOwnAxesInOrder) {
  Game game;
  game.backend.on_render = [&](int render) {
    if (render == 3) {
      ExpectBoard(game, 0, 1, 0, 0, 0, 1, 0, "a still pointer leaves the board at rest");
      game.backend.MovePointer(40, -20);
    }
    if (render == 4) {
      const double c1 = std::cos(0.1), s1 = std::sin(0.1), c5 = std::cos(0.05), s5 = std::sin(0.05);
      // The other order of the two turns differs by about 1e-4 here.
      ExpectBoard(game, c5 * s1, c5 * c1, s5, -s5 * s1, -s5 * c1, c5, 2e-6, "z, then x");
      engine::frmVorlet& w = game.Vorlet();
      EXPECT_EQ(w.Text1.Text() + " " + w.Text2.Text() + " " + w.Text12.Text(), "508 331 331");
      ExpectCentred(game);
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_TRUE(game.Globals().CenterX == kCentreX && game.Globals().CenterY == kCentreY);
}

TEST(PointerTilt, ALockedBoardIgnoresThePointerAndTheMovementIsLost) {
  Game game;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 3) {
      w.Locked = true;  // as a fall sets it
      game.backend.MovePointer(40, 25);
    }
    if (render == 4) {
      ExpectBoard(game, 0, 1, 0, 0, 0, 1, 0, "locked");
      EXPECT_EQ(w.Text1.Text() + " " + w.Text2.Text(), "468 351") << "keep their last values";
      EXPECT_EQ(w.Text12.Text(), "376") << "Text12 follows the pointer";
      ExpectCentred(game);
      w.Locked = false;
    }
    if (render == 5) {
      ExpectBoard(game, 0, 1, 0, 0, 0, 1, 0, "unlocked after the movement");
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

}  // namespace
}  // namespace orbelon
