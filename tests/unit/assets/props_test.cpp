// The props keep out of the layer between the board and the height where the floor picks start,
// except for what the ball is meant to find there; and every mesh faces outward.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/boards.h"
#include "assets/placements.h"
#include "assets/props.h"

namespace orbelon::assets {
namespace {

Bounds At(const Mesh& mesh, const Placement& placement) {
  return MeshBounds(ToLevelUnits(mesh, placement));
}

TEST(PropHeights, OnlyThePadsAndThePillStandBetweenTheFloorAndThePickStart) {
  const levels::SharedMeshes& shared = levels::Shared();
  const std::pair<const levels::LevelData*, Mesh> levels[] = {{&levels::Level1Data(), Board1()},
                                                              {&levels::Level2Data(), Board2()}};
  for (const auto& [level, board] : levels) {
    const std::string name = level->level_caption;
    const float floor = placed::Floor(*level);
    const float pick_start = level->start.y + 7.0f;
    const float ball_top = level->start.y + placed::kBallRadius;
    for (const scene::Vector& at : {level->teleporter1, level->teleporter2}) {
      const Bounds base = At(TeleBase(), Placed(shared.tele_base1, Vec(at)));
      EXPECT_TRUE(base.high.y > floor + 1.0f && base.high.y < pick_start - 5.0f)
          << name << ": the pad's top is not between the board and the pick's start";
      EXPECT_NEAR(base.high.x - at.x, 30.0f, 3.0f) << "the pad is not 30 across its radius";
      EXPECT_GT(At(TeleBody(), Placed(shared.tele1, Vec(at))).low.y, ball_top)
          << name << ": the ball would run into the teleporter's body";
    }
    const Bounds pill = At(Pill(), Placed(level->pill, Vec(level->pill_position)));
    EXPECT_TRUE(pill.high.y > floor + 1.0f && pill.high.y < pick_start - 5.0f)
        << name << ": the pill's top is not between the board and the pick's start";
    const glm::vec3 ufo(0.0f, placed::UfoHeight(*level), 0.0f);
    EXPECT_GT(At(UfoBody(), Placed(shared.ufo_body, ufo)).low.y, ball_top + 30.0f) << name;
    EXPECT_GT(At(UfoShell(), Placed(shared.ufo_shell, ufo)).low.y, ball_top + 30.0f) << name;
    // The beam's frame hangs 20 under the UFO's.
    EXPECT_GT(At(Beam(), Placed(shared.beam, ufo - glm::vec3(0, 20, 0))).low.y, pick_start + 2.0f)
        << name << ": the beam reaches down into the picks";
    const Bounds rage = At(Rage(), placed::Rage(*level));
    EXPECT_LT(rage.high.y, At(board, placed::Board(*level)).low.y) << name << ": rage over board";
    EXPECT_GT(rage.high.x, 250.0f) << name << ": the rage is too small to show";
  }
}

TEST(PropShapes, SizesAndDirectionsTheGameCountsOn) {
  EXPECT_NEAR(MeshBounds(Ball()).high.y, placed::kBallRadius, 0.01f);
  EXPECT_NEAR(At(Ant(), Placed(levels::Shared().ant)).low.y, 0.0f, 0.01f)
      << "the marker stands on its origin";
  const Bounds arrow = MeshBounds(Arrow());
  EXPECT_GT(arrow.high.z - arrow.low.z, arrow.high.x - arrow.low.x) << "the arrow lies across z";
  EXPECT_NEAR(At(Disc(), placed::Disc(levels::Level1Data())).high.x, 30.0f, 0.5f)
      << "the disc's radius";
}

TEST(MeshWinding, EveryMeshFacesOutwardWithNormalsThatAgree) {
  const std::pair<const char*, Mesh> meshes[] = {{"ball", Ball()},        {"board 1", Board1()},
                                                 {"bridge", Bridge1()},   {"rim 1", Rim1()},
                                                 {"board 2", Board2()},   {"rim 2", Rim2()},
                                                 {"disc", Disc()},        {"pill", Pill()},
                                                 {"rage", Rage()},        {"ant", Ant()},
                                                 {"arrow", Arrow()},      {"particle", Particle()},
                                                 {"tele", TeleBody()},    {"pad", TeleBase()},
                                                 {"ufo body", UfoBody()}, {"ufo shell", UfoShell()},
                                                 {"beam", Beam()}};
  for (const auto& [name, mesh] : meshes) {
    EXPECT_GT(SignedVolume(mesh), 0.0) << name << " is inside out";
    EXPECT_GT(SignedVolume(Transformed(mesh, {-1.0f, 1.0f, 1.0f}, glm::vec3(0.0f))), 0.0)
        << name << " turns inside out when mirrored";
    int disagreeing = 0;
    for (const auto& t : mesh.triangles) {
      const glm::vec3 n = FaceNormal(mesh.vertices[t[0]].position, mesh.vertices[t[1]].position,
                                     mesh.vertices[t[2]].position);
      for (uint32_t v : t) {
        disagreeing += glm::dot(n, mesh.vertices[v].normal) <= 0.0f;
      }
    }
    EXPECT_EQ(disagreeing, 0) << name << ": vertex normals point against their faces";
  }
}

}  // namespace
}  // namespace orbelon::assets
