// The ball's motion as the player's hand drives it: the pointer's movement since the last pass
// turns the level root about its own axes, and the slope under the ball changes its speeds, by
// which it rolls and spins.

#include <filesystem>
#include <fstream>

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

// 40 pixels right and 20 up within one pass: -0.1 radian about the board's own z axis, then
// +0.05 about its own x axis, so the right and far sides go down. A locked board (as a fall
// locks it) ignores the pointer, and the movement is lost.
TEST(PointerTilt, RightAndUpTurnTheBoardAboutItsOwnAxesInOrderUnlessItIsLocked) {
  Game game;
  const float c1 = std::cos(0.1f), s1 = std::sin(0.1f), c5 = std::cos(0.05f), s5 = std::sin(0.05f);
  // The other order of the two turns differs by about 1e-4 here.
  const scene::Vector tilted_up{c5 * s1, c5 * c1, s5}, tilted_dir{-s5 * s1, -s5 * c1, c5};
  const auto board_is = [&](scene::Vector up, scene::Vector dir, const char* what) {
    const auto [have_dir, have_up] = Game::AxesOf(game.Vorlet().fBase, game.SceneFrame());
    EXPECT_TRUE(Near(have_up, up, 2e-6f)) << what;
    EXPECT_TRUE(Near(have_dir, dir, 2e-6f)) << what;
    EXPECT_TRUE(PointerCentred(game)) << what << ": the pointer is re-centred";
  };
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 3) {
      board_is({0, 1, 0}, {0, 0, 1}, "a still pointer leaves it at rest");
      game.backend.MovePointer(40, -20);
    } else if (render == 4) {
      board_is(tilted_up, tilted_dir, "z, then x");
      w.Locked = true;
      game.backend.MovePointer(40, 25);
    } else if (render == 5) {
      board_is(tilted_up, tilted_dir, "locked");
      w.Locked = false;
    } else if (render == 6) {
      board_is(tilted_up, tilted_dir, "unlocked after the movement");
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

// The slope rule on a floor of chosen heights: once level 1 stands, the level root is swapped for
// one holding only the ball and four small pads under the four probe points.

// Heights under x - 1, x + 1, z - 1 and z + 1; NAN leaves nothing there.
struct Floor {
  float x_minus = 0, x_plus = 0, z_minus = 0, z_plus = 0;
};

// Puts the ball at (0, 15, 0) of a new level root over pads 0.5 wide.
void BuildFloor(engine::frmVorlet& w, const Floor& floor, float x_speed, float z_speed) {
  // ctest runs the tests side by side: each names its floors after itself.
  static int count = 0;
  const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const auto path = std::filesystem::path(ORBELON_TEST_OUTPUT) /
                    ("ball_floor_" + test + "_" + std::to_string(++count) + ".obj");
  std::ofstream out(path);
  const auto pad = [&](float x, float y, float z) {
    if (!std::isnan(y)) {
      for (const auto& [cx, cz] :
           {std::pair{-1.0f, -1.0f}, {-1.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, -1.0f}}) {
        out << "v " << x + 0.25f * cx << ' ' << y << ' ' << z + 0.25f * cz << '\n';
      }
      out << "f -4 -3 -2 -1\n";
    }
  };
  pad(-1, floor.x_minus, 0);
  pad(1, floor.x_plus, 0);
  pad(0, floor.z_minus, -1);
  pad(0, floor.z_plus, 1);
  out.close();
  scene::Root& rm = w.Tessor1.D3DRM();
  w.fBase = rm.CreateFrame(w.Tessor1.SceneFrame());
  scene::MeshBuilder pads = rm.CreateMeshBuilder();
  pads.LoadFromFile(path.string());
  w.fBase.AddVisual(pads);
  w.fVorlet = rm.CreateFrame(w.fBase);
  w.fRoll = rm.CreateFrame(w.fVorlet);
  w.fRoll.AddVisual(w.mVorlet);
  w.fVorlet.SetPosition(w.fBase, 0, 15, 0);
  w.fRoll.SetRotation(w.fVorlet, 0, 1, 0, 0.7f);
  w.xSpeed = x_speed;
  w.zSpeed = z_speed;
}

::testing::AssertionResult BallAt(engine::frmVorlet& w, float x, float z) {
  return Near(Game::PositionOf(w.fVorlet, w.fBase), {x, 15, z}, 1e-5f);
}

TEST(BallSlope, EachSpeedGrowsTowardItsLowerSideByTheCappedDifferenceAndTheSpinFollows) {
  const struct {
    const char* what;
    Floor floor;
    float x_after, z_after;
  } cases[] = {
      {"level", {}, 0.1f, 0.2f},
      {"lower at x + 1, z level", {0.25f, 0, 0.5f, 0.5f}, 0.35f, 0.2f},
      {"lower at x - 1, z level", {0, 0.125f, 0, 0}, -0.025f, 0.2f},
      {"x level, lower at z + 1", {1, 1, 0.0625f, 0}, 0.1f, 0.2625f},
      {"steep toward x - 1 and z - 1", {0, 2, 0, 0.75f}, -0.2f, -0.1f},
  };
  const std::unique_ptr<Game> game = Game::AfterLevel1();
  engine::frmVorlet& w = game->Vorlet();
  for (const auto& c : cases) {
    BuildFloor(w, c.floor, 0.1f, 0.2f);
    w.SetDirection();
    EXPECT_TRUE(std::abs(w.xSpeed - c.x_after) < 1e-6 && std::abs(w.zSpeed - c.z_after) < 1e-6)
        << c.what << ": speeds " << w.xSpeed << ", " << w.zSpeed;
    EXPECT_TRUE(BallAt(w, c.x_after, c.z_after)) << c.what << ": the ball moves by its speeds";
  }
  // The last case's speeds: the cap is a double, so 0.2 - 0.3 is taken in double: in single
  // precision it would be -0.1.
  EXPECT_EQ(w.Text6.Text() + " " + w.Text7.Text(), "-0.2 -0.09999999");

  // The rolling spin, a probe with nothing under it, and a locked ball.
  const auto spin = [&] { return w.fRoll.Node()->spin_rate; };
  BuildFloor(w, {}, 0, 0);
  w.SetDirection();
  EXPECT_EQ(spin(), 0) << "a resting ball stops spinning";

  // The spin is set from the speeds before the change: on the first moving pass they are
  // zero, and the zero axis normalises to x.
  BuildFloor(w, {0.25f, 0, 0, 0}, 0, 0);
  w.SetDirection();
  EXPECT_TRUE(spin() == 0.4f && w.fRoll.Node()->spin_axis == glm::vec3(1, 0, 0));
  w.fVorlet.SetPosition(w.fBase, 0, 15, 0);
  w.SetDirection();
  EXPECT_NEAR(w.fRoll.Node()->spin_axis.z, -1, 1e-6) << "rolling toward +x turns about -z";

  BuildFloor(w, {0.25f, NAN, 0.25f, 0}, 0.1f, 0.2f);
  w.SetDirection();
  EXPECT_TRUE(w.xSpeed == 0.1f && w.zSpeed == 0.2f && BallAt(w, 0.1f, 0.2f)) << "coasting";
  EXPECT_TRUE(spin() == 0.7f && w.Text6.Text() == "0.1")
      << "no rolling spin is set with a probe missing";

  BuildFloor(w, {0.25f, 0, 0.25f, 0}, 0.1f, 0.1f);
  w.Locked = true;
  w.SetDirection();
  EXPECT_TRUE(w.xSpeed == 0.1f && w.zSpeed == 0.1f && BallAt(w, 0, 0)) << "locked";
}

}  // namespace
}  // namespace orbelon::gametest
