// The slope rule on a floor of chosen heights: in the middle of play the level root is swapped
// for one holding only the ball and four small pads under the four probe points.

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
using gametest::StopGame;

// Heights under x - 1, x + 1, z - 1 and z + 1; NAN leaves nothing there.
struct Floor {
  float x_minus = 0, x_plus = 0, z_minus = 0, z_plus = 0;
};

// Puts the ball at (0, 15, 0) of a new level root over pads 0.5 wide, facing up.
void BuildFloor(engine::frmVorlet& w, const Floor& floor, float x_speed, float z_speed) {
  static int count = 0;
  const auto path = std::filesystem::path(ORBELON_TEST_OUTPUT) /
                    ("ball_floor_" + std::to_string(++count) + ".obj");
  std::ofstream out(path);
  int corners = 0;
  const auto pad = [&](float x, float y, float z) {
    if (std::isnan(y)) {
      return;
    }
    for (const auto& [cx, cz] :
         {std::pair{-1.0f, -1.0f}, {-1.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, -1.0f}}) {
      out << "v " << x + 0.25f * cx << ' ' << y << ' ' << z + 0.25f * cz << '\n';
    }
    out << "f " << corners + 1 << ' ' << corners + 2 << ' ' << corners + 3 << ' ' << corners + 4
        << '\n';
    corners += 4;
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
  const scene::Vector ball = Game::PositionOf(w.fVorlet, w.fBase);
  EXPECT_TRUE(std::abs(ball.x - x) < 1e-5 && ball.y == 15 && std::abs(ball.z - z) < 1e-5)
      << what << ": the ball stands at (" << ball.x << ", " << ball.y << ", " << ball.z << ")";
}

float SpinRate(engine::frmVorlet& w) {
  return w.fRoll.Node()->spin_rate;
}

TEST(BallSlope, LevelGroundKeepsTheSpeedsAndARestingBallStopsSpinning) {
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
    EXPECT_EQ(SpinRate(w), 0);
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

TEST(BallSlope, TheFirstMovingPassSpinsAboutTheZeroAxis) {
  InPlay([](engine::frmVorlet& w) {
    BuildFloor(w, {0.25f, 0, 0, 0}, 0, 0);
    w.SetDirection();
    EXPECT_FLOAT_EQ(SpinRate(w), 0.4f) << "the spin set from the speeds before the change stays";
    EXPECT_EQ(w.fRoll.Node()->spin_axis, glm::vec3(1, 0, 0)) << "the zero axis normalises to x";
    w.fVorlet.SetPosition(w.fBase, 0, 15, 0);
    w.SetDirection();
    EXPECT_NEAR(w.fRoll.Node()->spin_axis.z, -1, 1e-6) << "rolling toward +x turns about -z";
  });
  EXPECT_EQ(engine::SingleText(-0.0f) + " " + engine::SingleText(1e-7f) + " " +
                engine::SingleText(12345678),
            "0 1E-07 1.234568E+07");
}

}  // namespace
}  // namespace orbelon
