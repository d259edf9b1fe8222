// Level 1 as Level1 leaves it: the frame tree, the placements and spins, the checkpoint table,
// the wraps and the particle offsets; and its data files as the play engine's picks meet them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/support/game_fixture.h"
#include "levels/particle_offsets.h"

namespace orbelon {
namespace {

using gametest::Game;
using scene::Frame;
using scene::MeshBuilder;
using scene::Vector;

TEST(Level1Layout, FramesPlacementsAndSpins) {
  std::unique_ptr<Game> game = Game::AfterLevel1();
  engine::frmVorlet& w = game->Vorlet();
  const Frame scene_frame = w.Tessor1.SceneFrame();
  // Rage, ant marker, beam and particles are prepared but not shown yet.
  const struct {
    const Frame& frame;
    const char* name;
    size_t visuals;    // hanging on the frame and below it
    const Frame* ref;  // where the position is read
    Vector position;
    float spin;  // radians per render about fBase's y
  } frames[] = {
      {w.fRim, "fRim", 1, &scene_frame, {0, -5, 0}, 0},
      {w.fUFO, "fUFO", 2, &w.fBase, {0, 84, 0}, 0},
      {w.fSpare, "fSpare", 0, &w.fBase, {0, 0, 0}, 0},
      {w.fBeam, "fBeam", 0, &w.fBase, {0, 0, 0}, 0.6f},
      {w.fVorlet, "fVorlet", 1, &scene_frame, {360, 15, 0}, 0},
      {w.fDisc, "fDisc", 1, &scene_frame, {-250, -3, 0}, 0.25f},
      {w.fTele1, "fTele1", 2, &w.fBase, {0, 30, -700}, 0.35f},
      {w.fTele2, "fTele2", 2, &w.fBase, {0, 30, 700}, 0.35f},
      {w.fAnt, "fAnt", 0, &w.fBase, {0, 0, 0}, 0.03f},
      {w.fPill, "fPill", 1, &w.fBase, {0, 5, 0}, 0.1f},
      {w.fRage, "fRage", 0, &w.fBase, {0, -10, 0}, 0.2f},
      {w.fArrow, "fArrow", 1, &w.fBase, {0, 0, 0}, 0},
  };
  EXPECT_TRUE(w.fBase.GetParent() == scene_frame && w.fRoll.GetParent() == w.fVorlet);
  EXPECT_TRUE(w.MyCamera == w.Tessor1.CameraFrame());
  EXPECT_FALSE(w.MyCamera.GetParent() == w.fBase) << "the camera does not tilt with the board";
  EXPECT_EQ(scene::CollectScene(scene_frame).items.size(), 13u) << "board, bridge and eleven more";
  std::vector<float> before;
  for (const auto& e : frames) {
    EXPECT_TRUE(e.frame.GetParent() == w.fBase) << e.name << " does not tilt with the board";
    EXPECT_EQ(scene::CollectScene(e.frame).items.size(), e.visuals) << e.name;
    EXPECT_TRUE(gametest::Near(Game::PositionOf(e.frame, *e.ref), e.position, 1e-3f)) << e.name;
    before.push_back(Game::TurnAboutY(e.frame, w.fBase));
  }
  w.Tessor1.Render();
  for (size_t i = 0; i < std::size(frames); ++i) {
    const float turned = std::remainder(Game::TurnAboutY(frames[i].frame, w.fBase) - before[i],
                                        2 * std::numbers::pi_v<float>);
    EXPECT_NEAR(turned, frames[i].spin, 1e-5f) << frames[i].name << " at a render";
  }
  EXPECT_NEAR(Game::TurnAboutY(w.fBase, scene_frame), 0, 1e-6f) << "only the mouse turns the board";
}

TEST(Level1Layout, CheckpointsViewAndWraps) {
  std::unique_ptr<Game> game = Game::AfterLevel1();
  engine::frmVorlet& w = game->Vorlet();
  EXPECT_EQ(w.Pods, 12);
  const Vector rows[] = {{0, 0, 400},    {0, 0, -400},    {-300, 0, 400}, {300, 0, -400},
                         {300, 0, 400},  {-300, 0, -400}, {0, 0, 220},    {0, 0, -220},
                         {-710, 0, 150}, {710, 0, -150},  {710, 0, 150},  {-710, 0, -150},
                         {0, 0, 0}};
  for (size_t row = 0; row < w.PodPos.size(); ++row) {
    const Vector want = row < std::size(rows) ? rows[row] : Vector{0, 0, 0};
    EXPECT_TRUE(gametest::Near(w.PodPos[row], want, 0)) << "row " << row;
  }
  EXPECT_FALSE(w.tBase.Data() == w.tVorlet.Data()) << "m.dab is loaded into two textures";
  EXPECT_EQ(scene::ReadViewport(w.Tessor1.Viewport()).back, 10000);
  EXPECT_TRUE(scene::CollectScene(w.Tessor1.SceneFrame()).has_background_image);

  // A flat wrap takes the vertices as they stand: after the scaling and the translation.
  for (const auto& [mesh, scale] :
       {std::pair{&w.mBase, 0.0034f}, std::pair{&w.mBridge, 0.008f}, std::pair{&w.mBeam, 0.4f}}) {
    const scene::MeshView view = game->ViewOf(*mesh);
    for (size_t i = 0; i < view.positions->size(); i += 7) {
      const glm::vec3 p = (*view.positions)[i];
      ASSERT_NEAR((*view.uvs)[i].x, scale * p.z, 1e-3f) << mesh->GetName() << " " << i;
      ASSERT_NEAR((*view.uvs)[i].y, scale * p.x, 1e-3f) << mesh->GetName() << " " << i;
    }
  }
}

TEST(Level1Layout, EachParticleLiesItsOffsetInWholeUnitsFromItsFrame) {
  std::unique_ptr<Game> game = Game::AfterLevel1();
  engine::frmVorlet& w = game->Vorlet();
  const auto lowest = [&](const MeshBuilder& mesh) {
    const auto& p = *game->ViewOf(mesh).positions;
    return std::accumulate(p.begin(), p.end(), glm::vec3(1e30f),
                           [](glm::vec3 a, glm::vec3 b) { return glm::min(a, b); });
  };
  MeshBuilder plain = w.Tessor1.D3DRM().CreateMeshBuilder();
  plain.LoadFromFile(ORBELON_GAME_DIR "/particle.dax");
  plain.ScaleMesh(0.01f);
  const auto offsets = levels::ParticleOffsets();
  const MeshBuilder* particles[] = {&w.mParticle1, &w.mParticle2, &w.mParticle3, &w.mParticle4,
                                    &w.mParticle5};
  for (size_t i = 0; i < 5; ++i) {
    const glm::vec3 o(offsets[i].x, offsets[i].y, offsets[i].z);
    EXPECT_TRUE(o == glm::floor(o) && glm::all(glm::greaterThanEqual(o, glm::vec3(0))) &&
                glm::all(glm::lessThanEqual(o, glm::vec3(29))))
        << "particle " << i + 1;
    EXPECT_NEAR(glm::distance(lowest(*particles[i]) - lowest(plain), o), 0, 1e-3f)
        << "particle " << i + 1 << " is moved by its offset after the scaling";
  }
}

// The look under the ball (from 7 units above its centre, straight down) and the four slope
// probes (1 unit to each side of its centre, at its height), with the ball set where play puts
// it on the unturned board.

class Level1Geometry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    game_ = Game::AfterLevel1().release();
    // In play the arrow hangs in front of the camera, not at the board's centre where Level1
    // leaves it.
    game_->Vorlet().fArrow.SetPosition(game_->Vorlet().MyCamera, 8, -7, 20);
  }
  static void TearDownTestSuite() {
    delete game_;
    game_ = nullptr;
  }

  engine::frmVorlet& W() { return game_->Vorlet(); }
  std::optional<Game::Hit> Pick(float x, float y, float z) {
    return game_->PickFirst(W().Tessor1.SceneFrame(), {x, y, z});
  }
  // What Gravity finds under a ball at (x, StartY, z).
  std::string UnderBall(float x, float z) {
    W().fVorlet.SetPosition(W().fBase, x, W().StartY, z);
    const auto hit = Pick(x, W().StartY + 7, z);
    return hit ? hit->name : "(nothing)";
  }
  // The four probes of the slope step around the ball find the floor below its centre.
  void ExpectProbesFindFloor(float x, float z, const std::string& where) {
    const float y = W().StartY;
    for (const Vector& p : {Vector{x - 1, y, z}, {x + 1, y, z}, {x, y, z - 1}, {x, y, z + 1}}) {
      const auto hit = Pick(p.x, p.y, p.z);
      ASSERT_TRUE(hit) << where << ": nothing below the probe at " << p.x << ", " << p.z;
      EXPECT_NE(hit->name, "vorlet") << where << ": a probe met the ball itself";
      EXPECT_LT(hit->point.y, y) << where << ": the floor lies above the ball's centre";
    }
  }

  static Game* game_;
};
Game* Level1Geometry::game_ = nullptr;

TEST_F(Level1Geometry, BallRestsOnTheBoardWithThePicksStartingInsideIt) {
  const auto surface = Pick(0, W().StartY + 7, 300);
  ASSERT_TRUE(surface);
  const scene::MeshView ball = game_->ViewOf(W().mVorlet);
  ASSERT_NE(ball.positions, nullptr);
  const auto [lowest, highest] =
      std::minmax_element(ball.positions->begin(), ball.positions->end(),
                          [](const glm::vec3& a, const glm::vec3& b) { return a.y < b.y; });
  EXPECT_NEAR(W().StartY + lowest->y, surface->point.y, 1.0f) << "ball bottom against board top";
  EXPECT_GT(highest->y, 7) << "the picks from 7 above the centre must start inside the ball";
}

TEST_F(Level1Geometry, UnderTheBallLieTheBoardTheTeleportersThePillAndTheDiscs) {
  W().fDisc.SetPosition(W().fBase, 0, 0, 400);
  const struct {
    float x, z;
    const char* name;
  } places[] = {{0, 300, "base"},       {500, 0, "base"},        {-500, 0, "base"},
                {0, -700, "T1"},        {0, 700, "T2"},          {0, 0, "PILL"},
                {2000, 0, "(nothing)"}, {0, -2000, "(nothing)"}, {1500, 1500, "(nothing)"}};
  for (const auto& p : places) {
    const std::string where =
        std::to_string(static_cast<int>(p.x)) + ", " + std::to_string(static_cast<int>(p.z));
    EXPECT_EQ(UnderBall(p.x, p.z), p.name) << "at " << where;
    if (p.name != std::string("(nothing)") && p.name != std::string("PILL")) {
      ExpectProbesFindFloor(p.x, p.z, where);
    }
  }
  // The pill lies on the last checkpoint; it is taken before the disc gets there.
  W().fPill.DeleteVisual(W().mPill);
  for (int row = 0; row <= W().Pods; ++row) {
    const Vector& pod = W().PodPos[static_cast<size_t>(row)];
    W().fDisc.SetPosition(W().fBase, pod.x, pod.y, pod.z);
    EXPECT_EQ(UnderBall(pod.x, pod.z), "Bonus") << "checkpoint " << row;
    ExpectProbesFindFloor(pod.x, pod.z, "checkpoint " + std::to_string(row));
  }
  W().fPill.AddVisual(W().mPill);
}

}  // namespace
}  // namespace orbelon
