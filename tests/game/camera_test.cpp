// The camera rides 500 above and 500 behind the ball whatever the board does, the arrow holds
// its spot in the view and points at the disc, and its colour pulses in single precision.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

TEST(Camera, RidesAtAFixedOffsetAndTheArrowFindsTheDiscAnywhere) {
  Game game;
  // Disc places relative to the ball: ahead, aside, behind the camera, below it.
  const Vector places[] = {{0, 0, 400}, {-600, 0, 0}, {50, 0, -2000}, {0, -1500, -600}};
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    const Vector ball = Game::PositionOf(w.fVorlet, game.SceneFrame());
    if (render >= 3) {
      EXPECT_TRUE(CameraBehind(game, ball)) << "render " << render;
      EXPECT_TRUE(Near(Game::PositionOf(w.fArrow, w.MyCamera), {8, -7, 20}, 1e-3f)) << render;
      EXPECT_GT(AimCosine(game, w.fArrow, Game::PositionOf(w.fDisc, game.SceneFrame())), 0.99999f)
          << "render " << render;
    }
    // The hand tilts the board while the ball rolls; the disc moves about.
    if (render >= 2 && render % 4 == 2) {
      game.backend.MovePointer(render % 8 == 2 ? 14 : -9, render % 12 == 2 ? -12 : 5);
      const Vector& p = places[static_cast<size_t>(render / 4) % 4];
      w.fDisc.SetPosition(game.SceneFrame(), ball.x + p.x, ball.y + p.y, ball.z + p.z);
    }
    if (render == 40) {
      EXPECT_LT(Game::AxesOf(w.fBase, game.SceneFrame()).second.y, 0.999f)
          << "the board should stand well tilted by now";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

// The 20th step of 0.05 lands a hair above 1 in single precision, so the pulse turns on the
// 20th pass, not the 21st; a lost life on the way restarts nothing.
TEST(ArrowPulse, TurnsEveryTwentyPassesAndRunsOnThroughALostLife) {
  Game game;
  std::vector<float> glow;  // after each pass; pass n's value shows at render n + 2
  game.backend.on_render = [&](int render) {
    if (render == 30) {
      game.backend.MovePointer(0, 900);  // over the top: "TILT !!!" and a new life
    }
    if (render >= 3) {
      glow.push_back(game.Globals().ArrowGlow);
      const glm::vec3 colour = game.ViewOf(game.Vorlet().mArrow).color;
      EXPECT_TRUE(colour.r == 0.2f && colour.g == 0 &&
                  std::abs(colour.b - std::clamp(glow.back(), 0.0f, 1.0f)) < 1e-6)
          << "render " << render;
    }
    if (glow.size() == 45) {
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_EQ(game.Vorlet().Lives, 2) << "the tilt cost a life";
  const auto pass = [&](size_t n) { return glow[n - 1]; };
  EXPECT_TRUE(pass(1) == 0.05f && pass(20) == 1.0000001f && pass(21) == 0.9500001f);
  EXPECT_TRUE(pass(40) < 0 && std::abs(pass(40) + 0.00000004) < 0.5e-8) << pass(40);
  EXPECT_NEAR(pass(41), 0.04999996, 0.5e-8);
  for (size_t n = 2; n <= 45; ++n) {
    EXPECT_NEAR(pass(n) - pass(n - 1), n <= 20 || n > 40 ? 0.05f : -0.05f, 1e-6) << "pass " << n;
  }
}

}  // namespace
}  // namespace orbelon::gametest
