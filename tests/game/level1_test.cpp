// Level 1 as Level1 leaves it: the frame tree, the placements and spins, the checkpoint table,
// the wraps and the particle offsets; and its data files as the play engine's picks meet them.

#include <numbers>
#include <numeric>

#include "game/support/game_fixture.h"
#include "levels/particle_offsets.h"

namespace orbelon::gametest {
namespace {

TEST(Level1, FramesPlacementsSpinsCheckpointsWrapsParticlesAndThePicksOverTheBoard) {
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
  EXPECT_TRUE(w.MyCamera == w.Tessor1.CameraFrame() && !(w.MyCamera.GetParent() == w.fBase))
      << "the camera does not tilt with the board";
  EXPECT_EQ(scene::CollectScene(scene_frame).items.size(), 13u) << "board, bridge and eleven more";
  std::vector<float> before;
  for (const auto& e : frames) {
    EXPECT_TRUE(e.frame.GetParent() == w.fBase) << e.name << " does not tilt with the board";
    EXPECT_EQ(scene::CollectScene(e.frame).items.size(), e.visuals) << e.name;
    EXPECT_TRUE(Near(Game::PositionOf(e.frame, *e.ref), e.position, 1e-3f)) << e.name;
    before.push_back(Game::TurnAboutY(e.frame, w.fBase));
  }
  w.Tessor1.Render();
  for (size_t i = 0; i < std::size(frames); ++i) {
    const float turned = std::remainder(Game::TurnAboutY(frames[i].frame, w.fBase) - before[i],
                                        2 * std::numbers::pi_v<float>);
    EXPECT_NEAR(turned, frames[i].spin, 1e-5f) << frames[i].name << " at a render";
  }
  EXPECT_NEAR(Game::TurnAboutY(w.fBase, scene_frame), 0, 1e-6f) << "only the mouse turns the board";

  EXPECT_EQ(w.Pods, 12);
  const Vector rows[] = {{0, 0, 400},    {0, 0, -400},    {-300, 0, 400}, {300, 0, -400},
                         {300, 0, 400},  {-300, 0, -400}, {0, 0, 220},    {0, 0, -220},
                         {-710, 0, 150}, {710, 0, -150},  {710, 0, 150},  {-710, 0, -150},
                         {0, 0, 0}};
  for (size_t row = 0; row < w.PodPos.size(); ++row) {
    EXPECT_TRUE(Near(w.PodPos[row], row < std::size(rows) ? rows[row] : Vector{}, 0)) << row;
  }
  EXPECT_FALSE(w.tBase.Data() == w.tVorlet.Data()) << "m.dab is loaded into two textures";
  EXPECT_EQ(scene::ReadViewport(w.Tessor1.Viewport()).back, 10000);
  EXPECT_TRUE(scene::CollectScene(scene_frame).has_background_image);

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
  // Each particle lies its offset, whole units from 0 to 29, from the scaled particle mesh.
  const auto lowest = [&](const scene::MeshBuilder& mesh) {
    const auto& p = *game->ViewOf(mesh).positions;
    return std::accumulate(p.begin(), p.end(), glm::vec3(1e30f),
                           [](glm::vec3 a, glm::vec3 b) { return glm::min(a, b); });
  };
  scene::MeshBuilder plain = w.Tessor1.D3DRM().CreateMeshBuilder();
  plain.LoadFromFile(ORBELON_GAME_DIR "/particle.dax");
  plain.ScaleMesh(0.01f);
  const auto offsets = levels::ParticleOffsets();
  const scene::MeshBuilder* particles[] = {&w.mParticle1, &w.mParticle2, &w.mParticle3,
                                           &w.mParticle4, &w.mParticle5};
  for (size_t i = 0; i < 5; ++i) {
    const glm::vec3 o(offsets[i].x, offsets[i].y, offsets[i].z);
    EXPECT_TRUE(o == glm::clamp(glm::floor(o), 0.0f, 29.0f) &&
                glm::distance(lowest(*particles[i]) - lowest(plain), o) < 1e-3f)
        << "particle " << i + 1 << " lies off its offset";
  }
  // As the play engine's picks meet the board, the teleporters, the pill and the discs.
  CheckBoard(*game, {{0, 300, "base"},
                     {500, 0, "base"},
                     {-500, 0, "base"},
                     {0, -700, "T1"},
                     {0, 700, "T2"},
                     {0, 0, "PILL"},
                     {2000, 0, ""},
                     {0, -2000, ""},
                     {1500, 1500, ""}});
}

}  // namespace
}  // namespace orbelon::gametest
