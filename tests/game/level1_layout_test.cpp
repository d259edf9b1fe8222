// Level 1 as Level1 leaves it: the frame tree, the placements and spins, the visual names, the
// checkpoint table and the particle offsets. Each game stops at its first render, which comes
// right after Level1.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <utility>

#include "game/support/game_fixture.h"
#include "levels/particle_offsets.h"

namespace orbelon {
namespace {

using gametest::Game;
using scene::Frame;
using scene::MeshBuilder;
using scene::Vector;

std::unique_ptr<Game> BuiltLevel1() {
  auto game = std::make_unique<Game>();
  game->StopAtRender(1);
  EXPECT_TRUE(game->Play().stopped);
  game->backend.on_render = nullptr;
  return game;
}

float TurnAboutY(const Frame& frame, const Frame& ref) {
  Vector dir;
  Vector up;
  frame.GetOrientation(ref, dir, up);
  return std::atan2(dir.x, dir.z);
}

struct Expected {
  const Frame& frame;
  const char* name;
  size_t visuals;    // hanging on the frame and below it
  const Frame* ref;  // where the position is read
  Vector position;
  float spin;  // radians per render about fBase's y
};

TEST(Level1Layout, FramesPlacementsAndSpins) {
  std::unique_ptr<Game> game = BuiltLevel1();
  engine::frmVorlet& w = game->Vorlet();
  const Frame scene_frame = w.Tessor1.SceneFrame();
  // Rage, ant marker, beam and particles are prepared but not shown yet.
  const Expected frames[] = {
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
  EXPECT_TRUE(w.fBase.GetParent() == scene_frame);
  EXPECT_TRUE(w.fRoll.GetParent() == w.fVorlet);
  EXPECT_TRUE(w.MyCamera == w.Tessor1.CameraFrame());
  EXPECT_FALSE(w.MyCamera.GetParent() == w.fBase) << "the camera does not tilt with the board";
  EXPECT_EQ(scene::CollectScene(scene_frame).items.size(), 13u) << "board, bridge and eleven more";
  std::vector<float> before;
  for (const Expected& e : frames) {
    SCOPED_TRACE(e.name);
    EXPECT_TRUE(e.frame.GetParent() == w.fBase) << "every level object tilts with the board";
    EXPECT_EQ(scene::CollectScene(e.frame).items.size(), e.visuals);
    const Vector p = Game::PositionOf(e.frame, *e.ref);
    EXPECT_NEAR(p.x, e.position.x, 1e-3f);
    EXPECT_NEAR(p.y, e.position.y, 1e-3f);
    EXPECT_NEAR(p.z, e.position.z, 1e-3f);
    before.push_back(TurnAboutY(e.frame, w.fBase));
  }

  w.Tessor1.Render();
  for (size_t i = 0; i < std::size(frames); ++i) {
    const float turned = std::remainder(TurnAboutY(frames[i].frame, w.fBase) - before[i],
                                        2 * std::numbers::pi_v<float>);
    EXPECT_NEAR(turned, frames[i].spin, 1e-5f) << frames[i].name << " at a render";
  }
  EXPECT_NEAR(TurnAboutY(w.fBase, scene_frame), 0, 1e-6f) << "only the mouse turns the board";
  const Vector tele = Game::PositionOf(w.fTele1, w.fBase);
  EXPECT_NEAR(tele.z, -700, 1e-3f) << "a spin turns a frame in place";
}

TEST(Level1Layout, NamesCheckpointsAndRest) {
  std::unique_ptr<Game> game = BuiltLevel1();
  engine::frmVorlet& w = game->Vorlet();
  const std::pair<const MeshBuilder&, std::string> names[] = {
      {w.mBase, "base"},     {w.mBridge, "base"}, {w.mRim, "RIM"},      {w.mDisc, "Bonus"},
      {w.mVorlet, "vorlet"}, {w.mUFO1, "ufo"},    {w.mUFO2, "ufo"},     {w.mTele1, "T1"},
      {w.mTeleBase1, "T1"},  {w.mTele2, "T2"},    {w.mTeleBase2, "T2"}, {w.mPill, "PILL"},
      {w.mRage, ""},         {w.mAnt, ""},        {w.mParticle5, ""},
  };
  for (const auto& [mesh, name] : names) {
    EXPECT_EQ(mesh.GetName(), name);
  }
  EXPECT_FALSE(w.tBase.Data() == w.tVorlet.Data()) << "m.dab is loaded into two textures";

  EXPECT_EQ(w.Pods, 12);
  const Vector rows[] = {{0, 0, 400},    {0, 0, -400},    {-300, 0, 400}, {300, 0, -400},
                         {300, 0, 400},  {-300, 0, -400}, {0, 0, 220},    {0, 0, -220},
                         {-710, 0, 150}, {710, 0, -150},  {710, 0, 150},  {-710, 0, -150},
                         {0, 0, 0}};
  for (size_t row = 0; row < w.PodPos.size(); ++row) {
    const Vector want = row < std::size(rows) ? rows[row] : Vector{0, 0, 0};
    const Vector have = w.PodPos[row];
    EXPECT_TRUE(have.x == want.x && have.y == want.y && have.z == want.z) << "row " << row;
  }
  EXPECT_TRUE(w.BaseDir.x == 0 && w.BaseDir.y == 0 && w.BaseDir.z == 1);
  EXPECT_TRUE(w.BaseUp.x == 0 && w.BaseUp.y == 1 && w.BaseUp.z == 0);
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

glm::vec3 LowestCorner(const scene::MeshView& view) {
  glm::vec3 low(1e30f);
  for (const glm::vec3& p : *view.positions) {
    low = glm::min(low, p);
  }
  return low;
}

TEST(Level1Layout, ParticlesLieWholeUnitsFromTheirFrame) {
  const auto offsets = levels::ParticleOffsets();
  const auto again = levels::ParticleOffsets();
  std::vector<float> values;
  for (size_t i = 0; i < offsets.size(); ++i) {
    for (float c : {offsets[i].x, offsets[i].y, offsets[i].z}) {
      EXPECT_TRUE(c == std::floor(c) && c >= 0 && c <= 29) << c;
      values.push_back(c);
    }
    EXPECT_TRUE(offsets[i].x == again[i].x && offsets[i].y == again[i].y &&
                offsets[i].z == again[i].z)
        << "the same offsets on every run";
  }
  EXPECT_GT(std::count_if(values.begin(), values.end(), [&](float v) { return v != values[0]; }),
            0);

  std::unique_ptr<Game> game = BuiltLevel1();
  engine::frmVorlet& w = game->Vorlet();
  MeshBuilder plain = w.Tessor1.D3DRM().CreateMeshBuilder();
  plain.LoadFromFile(ORBELON_GAME_DIR "/particle.dax");
  plain.ScaleMesh(0.01f);
  const glm::vec3 plain_low = LowestCorner(game->ViewOf(plain));
  const MeshBuilder* particles[] = {&w.mParticle1, &w.mParticle2, &w.mParticle3, &w.mParticle4,
                                    &w.mParticle5};
  for (size_t i = 0; i < 5; ++i) {
    const glm::vec3 moved = LowestCorner(game->ViewOf(*particles[i])) - plain_low;
    EXPECT_NEAR(glm::distance(moved, glm::vec3(offsets[i].x, offsets[i].y, offsets[i].z)), 0, 1e-3f)
        << "particle " << i + 1 << " is moved by its offset after the scaling";
  }
}

}  // namespace
}  // namespace orbelon
