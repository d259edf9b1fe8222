// The data files of level 1 as the play engine's picks meet them: the look under the ball (from
// 7 units above its centre, straight down) and the four slope probes (1 unit to each side of its
// centre, at its height). The ball is set where play puts it, on the unturned board.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;
using scene::Vector;

class Level1Geometry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    game_ = new Game();
    game_->StopAtRender(1);
    EXPECT_TRUE(game_->Play().stopped);
    game_->backend.on_render = nullptr;
    // In play the arrow hangs in front of the camera, not at the board's centre where Level1
    // leaves it.
    engine::frmVorlet& w = game_->Vorlet();
    w.fArrow.SetPosition(w.MyCamera, 8, -7, 20);
  }
  static void TearDownTestSuite() {
    delete game_;
    game_ = nullptr;
  }

  engine::frmVorlet& W() { return game_->Vorlet(); }

  void PutBall(float x, float z) { W().fVorlet.SetPosition(W().fBase, x, W().StartY, z); }
  void PutDisc(const Vector& row) { W().fDisc.SetPosition(W().fBase, row.x, row.y, row.z); }

  std::optional<Game::Hit> Pick(float x, float y, float z) {
    return game_->PickFirst(W().Tessor1.SceneFrame(), {x, y, z});
  }
  // What Gravity finds under a ball at (x, StartY, z).
  std::string UnderBall(float x, float z) {
    PutBall(x, z);
    const auto hit = Pick(x, W().StartY + 7, z);
    return hit ? hit->name : "(nothing)";
  }
  // The four probes of the slope step around a ball at (x, StartY, z) find the floor below it;
  // a name, when given, is the floor's.
  void ExpectProbesFindFloor(float x, float z, const std::string& where,
                             const std::string& name = "") {
    PutBall(x, z);
    const float y = W().StartY;
    const Vector probes[] = {{x - 1, y, z}, {x + 1, y, z}, {x, y, z - 1}, {x, y, z + 1}};
    for (const Vector& p : probes) {
      const auto hit = Pick(p.x, p.y, p.z);
      ASSERT_TRUE(hit) << where << ": nothing below the probe at " << p.x << ", " << p.z;
      EXPECT_NE(hit->name, "vorlet") << where << ": a probe met the ball itself";
      if (!name.empty()) {
        EXPECT_EQ(hit->name, name) << where;
      }
      EXPECT_LT(hit->point.y, y) << where << ": the floor lies below the ball's centre";
    }
  }

  static Game* game_;
};
Game* Level1Geometry::game_ = nullptr;

TEST_F(Level1Geometry, BallRestsOnTheBoardAtTheStartPoint) {
  PutDisc(W().PodPos[0]);
  EXPECT_EQ(UnderBall(0, 300), "base");
  ExpectProbesFindFloor(0, 300, "start point", "base");

  // The ball's lowest point touches the board: no fall at the start, no floating.
  const auto surface = Pick(0, W().StartY + 7, 300);
  ASSERT_TRUE(surface);
  const scene::MeshView ball = game_->ViewOf(W().mVorlet);
  ASSERT_NE(ball.positions, nullptr);
  float lowest = 1e30f;
  float highest = -1e30f;
  for (const glm::vec3& p : *ball.positions) {
    lowest = std::min(lowest, p.y);
    highest = std::max(highest, p.y);
  }
  EXPECT_NEAR(W().StartY + lowest, surface->point.y, 1.0f) << "ball bottom against board top";
  EXPECT_GT(highest, 7) << "the picks from 7 above the centre must start inside the ball";
}

TEST_F(Level1Geometry, DiscIsFoundOnEveryCheckpoint) {
  // The pill lies on the last checkpoint; it is taken before the disc gets there.
  W().fPill.DeleteVisual(W().mPill);
  for (int row = 0; row <= W().Pods; ++row) {
    const Vector& pod = W().PodPos[row];
    PutDisc(pod);
    EXPECT_EQ(UnderBall(pod.x, pod.z), "Bonus") << "checkpoint " << row;
    ExpectProbesFindFloor(pod.x, pod.z, "checkpoint " + std::to_string(row));
  }
  W().fPill.AddVisual(W().mPill);
}

TEST_F(Level1Geometry, TeleportersAndPillAreFoundUnderTheBall) {
  PutDisc(W().PodPos[0]);
  EXPECT_EQ(UnderBall(0, -700), "T1");
  EXPECT_EQ(UnderBall(0, 700), "T2");
  EXPECT_EQ(UnderBall(0, 0), "PILL");
  ExpectProbesFindFloor(0, -700, "teleporter 1");
  ExpectProbesFindFloor(0, 700, "teleporter 2");
}

TEST_F(Level1Geometry, NothingBeyondTheBoardsEdges) {
  for (const auto& [x, z] :
       {std::pair{2000.0f, 0.0f}, std::pair{-2000.0f, 0.0f}, std::pair{0.0f, 2000.0f},
        std::pair{0.0f, -2000.0f}, std::pair{1500.0f, 1500.0f}}) {
    EXPECT_EQ(UnderBall(x, z), "(nothing)") << "at " << x << ", " << z;
  }
}

}  // namespace
}  // namespace orbelon
