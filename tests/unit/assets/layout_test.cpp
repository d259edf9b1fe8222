// The boards carry every point of the game's own level description, at the height where the ball
// rests, with the disc on each checkpoint where the pick finds it first, and have edges to fall
// off; the props keep out of the layer between the board and the height where the floor picks
// start, except for what the ball is meant to find there; and every mesh faces outward.

#include <unistd.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "assets/boards.h"
#include "assets/obj_writer.h"
#include "assets/placements.h"
#include "assets/props.h"
#include "platform/scene/scene.h"

namespace orbelon::assets {
namespace {

using levels::LevelData;

// Meshes as the game's floor picks meet them: written as the generator writes its files, read by
// the game's own loader and picked straight down, nearest first; a hit tells which mesh it met.
class Floors {
 public:
  explicit Floors(const std::vector<Mesh>& meshes) {
    static int files = 0;
    for (size_t i = 0; i < meshes.size(); ++i) {
      const std::string path = std::string(ORBELON_TEST_OUTPUT) + "/assets_floor_" +
                               std::to_string(getpid()) + "_" + std::to_string(++files) + ".dax";
      std::ofstream(path) << ObjText(meshes[i], "floor");
      scene::MeshBuilder mesh = root_.CreateMeshBuilder();
      mesh.LoadFromFile(path);
      mesh.SetName(std::to_string(i));
      top_.AddVisual(mesh);
    }
  }
  struct Hit {
    size_t mesh;
    float y;
  };
  std::optional<Hit> Down(glm::vec3 from) const {
    const scene::PickArray picks = top_.RayPick(top_, {{0, -1, 0}, {from.x, from.y, from.z}}, 2);
    if (picks.GetSize() == 0) {
      return std::nullopt;
    }
    scene::PickDesc desc;
    const std::string name = picks.GetPickVisual(0, desc).GetName();
    return Hit{std::stoul(name), desc.dvPosition.y};
  }

 private:
  scene::Root root_{nullptr};
  scene::Frame top_ = root_.CreateFrame(scene::Frame());
};

struct Level {
  const LevelData& data;
  std::vector<Mesh> boards;  // with the bridge: what the floor picks search besides the rim
  Mesh rim;
};

Level Level1() {
  const LevelData& data = levels::Level1Data();
  return {
      data,
      {ToLevelUnits(Board1(), placed::Board(data)), ToLevelUnits(Bridge1(), Placed(*data.bridge))},
      ToLevelUnits(Rim1(), placed::Rim(data))};
}

Level Level2() {
  const LevelData& data = levels::Level2Data();
  return {
      data, {ToLevelUnits(Board2(), placed::Board(data))}, ToLevelUnits(Rim2(), placed::Rim(data))};
}

// Boards first, the rim last.
Floors Everything(const Level& level) {
  std::vector<Mesh> meshes = level.boards;
  meshes.push_back(level.rim);
  return Floors(meshes);
}

glm::vec2 OnBoard(const scene::Vector& v) {
  return {v.x, v.z};
}

// The game's floor pick: straight down from 7 above the ball's centre.
glm::vec3 PickStart(const Level& level, glm::vec2 at) {
  return {at.x, level.data.start.y + 7.0f, at.y};
}

void ExpectFloor(const Level& level, const Floors& floors, glm::vec2 at, const std::string& what) {
  const auto hit = floors.Down(PickStart(level, at));
  const std::string where = level.data.level_caption + ": " + what + " (" + std::to_string(at.x) +
                            ", " + std::to_string(at.y) + ")";
  ASSERT_TRUE(hit) << "nothing under " << where;
  EXPECT_NEAR(hit->y, placed::Floor(level.data), 1.0f) << "the floor under " << where;
  // The rim is no floor of its own: only the board and the bridge are named "base".
  EXPECT_NE(hit->mesh, level.boards.size()) << "the rim lies under " << where;
}

TEST(BoardLayout, EveryPointOfBothLevelsLiesOnTheBoardAndEachDiscIsPickedFirst) {
  for (const Level& level : {Level1(), Level2()}) {
    const LevelData& data = level.data;
    const Floors floors = Everything(level);
    for (int row = 0; row <= data.pods; ++row) {
      const glm::vec2 c = OnBoard(data.checkpoints[static_cast<size_t>(row)]);
      // The ball's probes reach 1 unit to each side; a checkpoint needs room round it.
      for (glm::vec2 off : {glm::vec2(0), {40, 0}, {-40, 0}, {0, 40}, {0, -40}}) {
        ExpectFloor(level, floors, c + off, "checkpoint " + std::to_string(row) + " or round it");
      }
      const Floors disc({ToLevelUnits(Disc(), placed::Disc(data, glm::vec3(c.x, 0.0f, c.y)))});
      const auto hit = disc.Down(PickStart(level, c));
      EXPECT_TRUE(hit && hit->y > placed::Floor(data) + 0.5f)
          << data.level_caption << ": the pick misses the disc of checkpoint " << row;
    }
    // The start, the pill, the teleporters and where they send the ball.
    for (glm::vec2 p : {OnBoard(data.start),
                        OnBoard(data.pill_position),
                        OnBoard(data.teleporter1),
                        OnBoard(data.teleporter2),
                        {0, 300},
                        {0, -500}}) {
      ExpectFloor(level, floors, p, "a start, pill or teleporter point");
    }
    if (data.ball_first_position) {
      ExpectFloor(level, floors, OnBoard(*data.ball_first_position), "the ball's first place");
    }
  }
}

TEST(BoardLayout, TheCourseIsConnectedFromTheMiddleToTheWingsAndThePads) {
  const Level level = Level1();
  const Floors floors = Everything(level);
  // Over the bridges to both wings, and along the middle to both pads, a unit at a time.
  for (float t = -780; t <= 780 && !HasFailure(); t += 1.0f) {
    if (std::abs(t) <= 760) {
      ExpectFloor(level, floors, {t, 0.0f}, "the way to the wings");
    }
    ExpectFloor(level, floors, {0.0f, t}, "the way to the pads");
  }
}

TEST(BoardLayout, TheBoardsHaveEdgesToFallOffAndTheRimsStandOutsideThem) {
  const std::vector<std::pair<Level, std::vector<glm::vec2>>> cases = {
      // Beside the bridges, beyond the wings, the plate's corners and the pads.
      {Level1(), {{500, 200}, {-500, -200}, {900, 0}, {0, 900}, {450, 550}, {200, 700}}},
      // Between the rings, beyond the outer ring, between the spokes.
      {Level2(), {{565, 234}, {0, 900}, {300, 120}, {-230, -100}}},
  };
  for (const auto& [level, points] : cases) {
    const std::string name = level.data.level_caption;
    const Floors boards(level.boards), rim({level.rim});
    for (glm::vec2 p : points) {
      EXPECT_FALSE(boards.Down(PickStart(level, p)) || rim.Down(PickStart(level, p)))
          << name << ": the ball would not fall at (" << p.x << ", " << p.y << ")";
    }
    int covered = 0;
    int rim_points = 0;
    // Off the whole numbers, and off the diagonals through them, so that no sample lies on an edge
    // that board and rim share.
    for (float x = -859.25f; x <= 860.0f; x += 6.0f) {
      for (float z = -859.5f; z <= 860.0f; z += 6.0f) {
        if (rim.Down(PickStart(level, {x, z}))) {
          ++rim_points;
          covered += boards.Down(PickStart(level, {x, z})).has_value();
        }
      }
    }
    EXPECT_GT(rim_points, 50) << name << ": no rim";
    EXPECT_EQ(covered, 0) << name << ": the rim lies over the board";
  }
}

Bounds At(const Mesh& mesh, const Placement& placement) {
  return MeshBounds(ToLevelUnits(mesh, placement));
}

TEST(Props, OnlyThePadsAndThePillStandBetweenTheFloorAndThePickStartAndThePropsPointRight) {
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
  EXPECT_NEAR(At(Ant(), Placed(levels::Shared().ant)).low.y, 0.0f, 0.01f)
      << "the marker stands on its origin";
  const Bounds arrow = MeshBounds(Arrow());
  EXPECT_GT(arrow.high.z - arrow.low.z, arrow.high.x - arrow.low.x) << "the arrow lies across z";
}

}  // namespace
}  // namespace orbelon::assets
