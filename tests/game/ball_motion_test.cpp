// The ball's motion as the player's hand drives it: the pointer's movement since the last pass
// turns the level root about its own axes, the slope under the ball changes its speeds, and on
// the real board the ball rolls downhill.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "engine/number_text.h"
#include "game/support/game_fixture.h"
#include "platform/scene/scene_objects.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::Near;
using gametest::StopGame;

// Where (30000, 30000) of the 0-65535 space lands on the scripted 1024 x 768 screen.
constexpr int kCentreX = 468;
constexpr int kCentreY = 351;

// The board's y and z axes in the scene, against the ones expected.
::testing::AssertionResult BoardIs(Game& game, scene::Vector up, scene::Vector dir,
                                   float tolerance) {
  const auto [have_dir, have_up] = Game::AxesOf(game.Vorlet().fBase, game.SceneFrame());
  const auto up_near = Near(have_up, up, tolerance);
  return up_near ? Near(have_dir, dir, tolerance) : up_near;
}

bool Centred(Game& game) {
  const platform::PointL pointer = game.backend.GetCursorPos();
  return pointer.x == kCentreX && pointer.y == kCentreY;
}

// 40 pixels right and 20 up within one pass: -0.1 radian about the board's own z axis, then
// +0.05 about its own x axis, so the right and far sides go down. A locked board (as a fall
// locks it) ignores the pointer, and the movement is lost.
TEST(PointerTilt, RightAndUpTurnTheBoardAboutItsOwnAxesInOrderUnlessItIsLocked) {
  Game game;
  const float c1 = std::cos(0.1f), s1 = std::sin(0.1f), c5 = std::cos(0.05f), s5 = std::sin(0.05f);
  // The other order of the two turns differs by about 1e-4 here.
  const scene::Vector tilted_up{c5 * s1, c5 * c1, s5}, tilted_dir{-s5 * s1, -s5 * c1, c5};
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 3) {
      EXPECT_TRUE(BoardIs(game, {0, 1, 0}, {0, 0, 1}, 0)) << "a still pointer leaves it at rest";
      game.backend.MovePointer(40, -20);
    }
    if (render == 4) {
      EXPECT_TRUE(BoardIs(game, tilted_up, tilted_dir, 2e-6f)) << "z, then x";
      EXPECT_EQ(w.Text1.Text() + " " + w.Text2.Text() + " " + w.Text12.Text(), "508 331 331");
      EXPECT_TRUE(Centred(game)) << "the pointer is re-centred";
      w.Locked = true;
      game.backend.MovePointer(40, 25);
    }
    if (render == 5) {
      EXPECT_TRUE(BoardIs(game, tilted_up, tilted_dir, 2e-6f)) << "locked";
      EXPECT_EQ(w.Text1.Text() + " " + w.Text2.Text(), "508 331") << "keep their last values";
      EXPECT_EQ(w.Text12.Text(), "376") << "Text12 follows the pointer";
      EXPECT_TRUE(Centred(game)) << "the pointer is re-centred";
      w.Locked = false;
    }
    if (render == 6) {
      EXPECT_TRUE(BoardIs(game, tilted_up, tilted_dir, 2e-6f)) << "unlocked after the movement";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_TRUE(game.Globals().CenterX == kCentreX && game.Globals().CenterY == kCentreY);
}

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

// The slope rule on a floor of chosen heights: in the middle of play the level root is swapped
// for one holding only the ball and four small pads under the four probe points.

// Heights under x - 1, x + 1, z - 1 and z + 1; NAN leaves nothing there.
struct Floor {
  float x_minus = 0, x_plus = 0, z_minus = 0, z_plus = 0;
};

// Puts the ball at (0, 15, 0) of a new level root over pads 0.5 wide, facing up.
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
  w.xSpeed = x_speed;
  w.zSpeed = z_speed;
}

// Runs the check inside a pass of the real game.
void InPlay(const std::function<void(engine::frmVorlet&)>& check) {
  Game game;
  game.backend.on_render = [&](int render) {
    if (render == 3) {
      check(game.Vorlet());
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);
}

void ExpectBall(engine::frmVorlet& w, float x, float z, const std::string& what) {
  EXPECT_TRUE(gametest::Near(Game::PositionOf(w.fVorlet, w.fBase), {x, 15, z}, 1e-5f)) << what;
}

float SpinRate(engine::frmVorlet& w) {
  return w.fRoll.Node()->spin_rate;
}

TEST(BallSlope, LevelGroundKeepsTheSpeedsAndTheSpinFollowsTheRoll) {
  InPlay([](engine::frmVorlet& w) {
    BuildFloor(w, {}, 0.1f, -0.05f);
    for (int pass = 0; pass < 3; ++pass) {
      w.SetDirection();
    }
    EXPECT_TRUE(w.xSpeed == 0.1f && w.zSpeed == -0.05f) << "nothing slows the ball";
    ExpectBall(w, 0.3f, -0.15f, "rolling on");
    EXPECT_FLOAT_EQ(SpinRate(w), 0.4f);

    BuildFloor(w, {}, 0, 0);
    w.fRoll.SetRotation(w.fVorlet, 0, 1, 0, 0.7f);
    w.SetDirection();
    ExpectBall(w, 0, 0, "at rest");
    EXPECT_EQ(SpinRate(w), 0) << "a resting ball stops spinning";

    // The spin is set from the speeds before the change: on the first moving pass they are
    // zero, and the zero axis normalises to x.
    BuildFloor(w, {0.25f, 0, 0, 0}, 0, 0);
    w.SetDirection();
    EXPECT_FLOAT_EQ(SpinRate(w), 0.4f);
    EXPECT_EQ(w.fRoll.Node()->spin_axis, glm::vec3(1, 0, 0));
    w.fVorlet.SetPosition(w.fBase, 0, 15, 0);
    w.SetDirection();
    EXPECT_NEAR(w.fRoll.Node()->spin_axis.z, -1, 1e-6) << "rolling toward +x turns about -z";
  });
}

TEST(BallSlope, EachSpeedGrowsTowardItsLowerSideByTheCappedDifference) {
  struct Case {
    const char* what;
    Floor floor;
    float x_after, z_after;
  };
  const Case cases[] = {
      {"lower at x + 1, z level", {0.25f, 0, 0.5f, 0.5f}, 0.35f, 0.2f},
      {"lower at x - 1, z level", {0, 0.125f, 0, 0}, -0.025f, 0.2f},
      {"x level, lower at z + 1", {1, 1, 0.0625f, 0}, 0.1f, 0.2625f},
      {"steep toward x - 1 and z - 1", {0, 2, 0, 0.75f}, -0.2f, -0.1f},
  };
  InPlay([&](engine::frmVorlet& w) {
    for (const Case& c : cases) {
      BuildFloor(w, c.floor, 0.1f, 0.2f);
      w.SetDirection();
      EXPECT_NEAR(w.xSpeed, c.x_after, 1e-6) << c.what;
      EXPECT_NEAR(w.zSpeed, c.z_after, 1e-6) << c.what;
      ExpectBall(w, c.x_after, c.z_after, c.what);
    }
    // The read-outs of the last case: the differences before the cap, and over 20.
    EXPECT_EQ(w.xSpeedChange, 0.3);
    EXPECT_EQ(w.Text8.Text() + " " + w.Text9.Text(), "2 0.75");
    EXPECT_EQ(w.Text13.Text() + " " + w.Text14.Text(), "-0.1 -0.0375");
    // The cap is a double, so 0.2 - 0.3 is taken in double: in single precision it would be -0.1.
    EXPECT_EQ(w.Text6.Text() + " " + w.Text7.Text(), "-0.2 -0.09999999");
  });
  EXPECT_EQ(engine::SingleText(-0.0f) + " " + engine::SingleText(1e-7f) + " " +
                engine::SingleText(12345678),
            "0 1E-07 1.234568E+07");
}

TEST(BallSlope, NothingUnderAProbeOrALockLeavesTheSpeedsAlone) {
  InPlay([](engine::frmVorlet& w) {
    BuildFloor(w, {0.25f, NAN, 0.25f, 0}, 0.1f, 0.2f);
    w.Text8.SetText("old");
    w.fRoll.SetRotation(w.fVorlet, 0, 1, 0, 0.7f);
    w.SetDirection();
    EXPECT_TRUE(w.xSpeed == 0.1f && w.zSpeed == 0.2f) << "no change on either axis";
    ExpectBall(w, 0.1f, 0.2f, "coasting");
    EXPECT_FLOAT_EQ(SpinRate(w), 0.7f) << "no rolling spin is set";
    EXPECT_EQ(w.Text8.Text(), "old");
    EXPECT_EQ(w.Text6.Text(), "0.1");

    BuildFloor(w, {0.25f, 0, 0.25f, 0}, 0.1f, 0.1f);
    w.Locked = true;
    w.SetDirection();
    EXPECT_TRUE(w.xSpeed == 0.1f && w.zSpeed == 0.1f);
    ExpectBall(w, 0, 0, "locked");
  });
}

}  // namespace
}  // namespace orbelon
