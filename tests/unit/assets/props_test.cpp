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

Bounds Placed(const Mesh& mesh, const Placement& placement) {
  return MeshBounds(ToLevelUnits(mesh, placement));
}

struct Heights {
  float floor;
  float pick_start;
  float start_y;
  float board_bottom;
};

TEST(PropHeights, OnlyThePadsAndThePillStandBetweenTheFloorAndThePickStart) {
  const float kBallTop = placed::kStartY1 + placed::kBallRadius;
  const Heights levels[] = {
      {placed::kFloor1, placed::kStartY1 + placed::kPickLift, placed::kStartY1,
       Placed(Board1(), placed::Board1()).low.y},
      {placed::kFloor2, placed::kStartY2 + placed::kPickLift, placed::kStartY2,
       Placed(Board2(), placed::Board2()).low.y},
  };
  for (const Heights& level : levels) {
    const std::string name = "start height " + std::to_string(level.start_y);
    const glm::vec3 pad(0.0f, 30.0f, 0.0f);
    const Bounds base = Placed(TeleBase(), placed::TeleBase(pad));
    EXPECT_GT(base.high.y, level.floor + 1.0f) << name << ": the pad's top is in the board";
    EXPECT_LT(base.high.y, level.pick_start - 5.0f) << name << ": the pad's top is too high";
    EXPECT_NEAR(base.high.x, 30.0f, 3.0f) << "the pad is not 30 across its radius";

    const Bounds body = Placed(TeleBody(), placed::Tele(pad));
    EXPECT_GT(body.low.y, kBallTop) << "the ball would run into the teleporter's body";

    const Bounds pill = Placed(Pill(), placed::Pill({0.0f, 5.0f, 0.0f}));
    EXPECT_GT(pill.high.y, level.floor + 1.0f) << name << ": the pill's top is in the board";
    EXPECT_LT(pill.high.y, level.pick_start - 5.0f) << name << ": the pill's top is too high";

    EXPECT_GT(Placed(UfoBody(), placed::UfoBody(level.start_y)).low.y, kBallTop + 30.0f) << name;
    EXPECT_GT(Placed(UfoShell(), placed::UfoShell(level.start_y)).low.y, kBallTop + 30.0f) << name;
    EXPECT_GT(Placed(Beam(), placed::Beam(level.start_y)).low.y, level.pick_start + 2.0f)
        << name << ": the beam reaches down into the picks";
  }
  // The rage lies under the board, in level 2 scaled once more.
  EXPECT_LT(Placed(Rage(), placed::Rage1()).high.y, levels[0].board_bottom);
  EXPECT_LT(Placed(Rage(), placed::Rage2()).high.y, levels[1].board_bottom);
  EXPECT_GT(Placed(Rage(), placed::Rage2()).high.x, 250.0f) << "the rage is too small to show";
}

TEST(PropShapes, SizesAndDirectionsTheGameCountsOn) {
  EXPECT_NEAR(MeshBounds(Ball()).high.y, placed::kBallRadius, 0.01f);
  EXPECT_NEAR(Placed(Ant(), placed::Ant()).low.y, 0.0f, 0.01f) << "the marker stands on its origin";
  const Bounds arrow = MeshBounds(Arrow());
  EXPECT_GT(arrow.high.z - arrow.low.z, arrow.high.x - arrow.low.x) << "the arrow lies across z";
  EXPECT_NEAR(Placed(Disc(), placed::Disc1({})).high.x, 30.0f, 0.5f) << "the disc's radius";
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
        if (glm::dot(n, mesh.vertices[v].normal) <= 0.0f) {
          ++disagreeing;
        }
      }
    }
    EXPECT_EQ(disagreeing, 0) << name << ": vertex normals point against their faces";
  }
}

}  // namespace
}  // namespace orbelon::assets
