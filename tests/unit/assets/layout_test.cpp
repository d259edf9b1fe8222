// The boards carry every point the levels use, at the height where the ball rests, and have
// edges to fall off.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/boards.h"
#include "assets/placements.h"
#include "assets/props.h"
#include "unit/assets/ray_cast.h"

namespace orbelon::assets {
namespace {

using testing::Cast;

struct Level {
  std::string name;
  float floor;
  float start_y;
  std::vector<Mesh> floors;  // what the floor picks search: boards, bridge, rim
  std::vector<glm::vec2> checkpoints;
  std::vector<glm::vec2> other_points;
};

Level Level1() {
  return {"level 1",
          placed::kFloor1,
          placed::kStartY1,
          {ToLevelUnits(Board1(), placed::Board1()), ToLevelUnits(Bridge1(), placed::Bridge()),
           ToLevelUnits(Rim1(), placed::Rim1())},
          {{0, 400},
           {0, -400},
           {-300, 400},
           {300, -400},
           {300, 400},
           {-300, -400},
           {0, 220},
           {0, -220},
           {-710, 150},
           {710, -150},
           {710, 150},
           {-710, -150},
           {0, 0}},
          // Start, the ball's first place, the pill, both teleporters and their targets.
          {{0, 300}, {360, 0}, {0, 0}, {0, 700}, {0, -700}, {0, -500}}};
}

Level Level2() {
  return {"level 2",
          placed::kFloor2,
          placed::kStartY2,
          {ToLevelUnits(Board2(), placed::Board2()), ToLevelUnits(Rim2(), placed::Rim2())},
          {{0, 132},
           {0, -400},
           {-300, 400},
           {348, -426},
           {300, 400},
           {-348, -426},
           {536, 406},
           {-545, -507},
           {-536, 406},
           {545, -507},
           {-510, 550},
           {510, 550},
           {0, 0}},
          {{0, 0}, {0, 300}, {-502, 614}, {502, 614}, {0, -500}}};
}

// The game's floor pick: straight down from 7 above the ball's centre.
glm::vec3 PickStart(const Level& level, glm::vec2 at) {
  return {at.x, level.start_y + placed::kPickLift, at.y};
}

void ExpectFloor(const Level& level, glm::vec2 at, const std::string& what) {
  const auto hit = Cast(level.floors, PickStart(level, at));
  ASSERT_TRUE(hit) << level.name << ": nothing under " << what << " (" << at.x << ", " << at.y
                   << ")";
  EXPECT_NEAR(hit->point.y, level.floor, 1.0f)
      << level.name << ": floor at the wrong height under " << what;
  // The rim is no floor of its own: only the board and the bridge are named "base".
  EXPECT_NE(hit->mesh, level.floors.size() - 1) << level.name << ": the rim lies under " << what;
}

TEST(BoardLayout, EveryPointOfBothLevelsLiesOnTheBoardAtTheBallsRestingHeight) {
  for (const Level& level : {Level1(), Level2()}) {
    for (size_t i = 0; i < level.checkpoints.size(); ++i) {
      ExpectFloor(level, level.checkpoints[i], "checkpoint " + std::to_string(i));
      // The ball's probes reach 1 unit to each side; a checkpoint needs room round it.
      for (glm::vec2 off :
           {glm::vec2(40, 0), glm::vec2(-40, 0), glm::vec2(0, 40), glm::vec2(0, -40)}) {
        ExpectFloor(level, level.checkpoints[i] + off,
                    "the ground round checkpoint " + std::to_string(i));
      }
    }
    for (glm::vec2 p : level.other_points) {
      ExpectFloor(level, p, "a start, pill or teleporter point");
    }
  }
}

TEST(BoardLayout, TheCourseIsConnectedFromTheMiddleToTheWingsAndThePads) {
  const Level level = Level1();
  // Over the bridges to both wings, and along the middle to both pads, a unit at a time.
  for (float x = -760; x <= 760; x += 1.0f) {
    ExpectFloor(level, {x, 0.0f}, "the way to the wings");
    if (HasFailure()) {
      return;
    }
  }
  for (float z = -780; z <= 780; z += 1.0f) {
    ExpectFloor(level, {0.0f, z}, "the way to the pads");
    if (HasFailure()) {
      return;
    }
  }
}

TEST(BoardLayout, TheBoardsHaveEdgesToFallOff) {
  const std::vector<std::pair<Level, std::vector<glm::vec2>>> cases = {
      // Beside the bridges, beyond the wings, the plate's corners and the pads.
      {Level1(), {{500, 200}, {-500, -200}, {900, 0}, {0, 900}, {450, 550}, {200, 700}}},
      // Between the rings, beyond the outer ring, between the spokes.
      {Level2(), {{565, 234}, {0, 900}, {300, 120}, {-230, -100}}},
  };
  for (const auto& [level, points] : cases) {
    for (glm::vec2 p : points) {
      EXPECT_FALSE(Cast(level.floors, PickStart(level, p)))
          << level.name << ": the ball would not fall at (" << p.x << ", " << p.y << ")";
    }
  }
}

TEST(BoardLayout, TheRimsStandOutsideTheBoards) {
  for (const Level& level : {Level1(), Level2()}) {
    const std::vector<Mesh> boards(level.floors.begin(), level.floors.end() - 1);
    const std::vector<Mesh> rim(level.floors.end() - 1, level.floors.end());
    int covered = 0;
    int rim_points = 0;
    // Off the whole numbers, so that no sample lies on an edge that board and rim share.
    for (float x = -859.5f; x <= 860.0f; x += 4.0f) {
      for (float z = -859.5f; z <= 860.0f; z += 4.0f) {
        const glm::vec3 from = PickStart(level, {x, z});
        if (Cast(rim, from)) {
          ++rim_points;
          covered += Cast(boards, from).has_value();
        }
      }
    }
    EXPECT_GT(rim_points, 100) << level.name << ": no rim";
    EXPECT_EQ(covered, 0) << level.name << ": the rim lies over the board";
  }
}

TEST(BoardLayout, TheDiscOnEachCheckpointIsWhatThePickFindsFirst) {
  for (const Level& level : {Level1(), Level2()}) {
    const bool first = level.name == "level 1";
    for (glm::vec2 c : level.checkpoints) {
      const glm::vec3 at(c.x, 0.0f, c.y);
      std::vector<Mesh> scene = level.floors;
      scene.push_back(ToLevelUnits(Disc(), first ? placed::Disc1(at) : placed::Disc2(at)));
      const auto hit = Cast(scene, PickStart(level, c));
      ASSERT_TRUE(hit);
      EXPECT_EQ(hit->mesh, scene.size() - 1)
          << level.name << ": the pick at (" << c.x << ", " << c.y << ") misses the disc";
      EXPECT_GT(hit->point.y, level.floor + 0.5f) << level.name << ": the disc sinks in the board";
    }
  }
}

}  // namespace
}  // namespace orbelon::assets
