// The boards carry every point the levels use, at the height where the ball rests, with the disc
// on each checkpoint where the pick finds it first, and have edges to fall off.

#include <cmath>
#include <string>
#include <utility>
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
  std::vector<Mesh> floors;  // what the floor picks search: boards, bridge, rim last
  Placement (*disc)(const glm::vec3&);
  std::vector<glm::vec2> checkpoints;
  std::vector<glm::vec2> other_points;  // start, first ball place, pill, teleporters, targets
};

const std::vector<glm::vec2> kCheckpoints1 = {
    {0, 400},  {0, -400},   {-300, 400}, {300, -400}, {300, 400},   {-300, -400}, {0, 220},
    {0, -220}, {-710, 150}, {710, -150}, {710, 150},  {-710, -150}, {0, 0}};
const std::vector<glm::vec2> kCheckpoints2 = {
    {0, 132},     {0, -400},   {-300, 400}, {348, -426}, {300, 400}, {-348, -426}, {536, 406},
    {-545, -507}, {-536, 406}, {545, -507}, {-510, 550}, {510, 550}, {0, 0}};

Level Level1() {
  return {"level 1",
          placed::kFloor1,
          placed::kStartY1,
          {ToLevelUnits(Board1(), placed::Board1()), ToLevelUnits(Bridge1(), placed::Bridge()),
           ToLevelUnits(Rim1(), placed::Rim1())},
          placed::Disc1,
          kCheckpoints1,
          {{0, 300}, {360, 0}, {0, 0}, {0, 700}, {0, -700}, {0, -500}}};
}

Level Level2() {
  return {"level 2",
          placed::kFloor2,
          placed::kStartY2,
          {ToLevelUnits(Board2(), placed::Board2()), ToLevelUnits(Rim2(), placed::Rim2())},
          placed::Disc2,
          kCheckpoints2,
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
  EXPECT_NEAR(hit->point.y, level.floor, 1.0f) << level.name << ": the floor under " << what;
  // The rim is no floor of its own: only the board and the bridge are named "base".
  EXPECT_NE(hit->mesh, level.floors.size() - 1) << level.name << ": the rim lies under " << what;
}

TEST(BoardLayout, EveryPointOfBothLevelsLiesOnTheBoardAndEachDiscIsPickedFirst) {
  for (const Level& level : {Level1(), Level2()}) {
    for (glm::vec2 c : level.checkpoints) {
      const std::string what = "the checkpoint at " + std::to_string(static_cast<int>(c.x)) + ", " +
                               std::to_string(static_cast<int>(c.y)) + " or round it";
      // The ball's probes reach 1 unit to each side; a checkpoint needs room round it.
      for (glm::vec2 off : {glm::vec2(0), {40, 0}, {-40, 0}, {0, 40}, {0, -40}}) {
        ExpectFloor(level, c + off, what);
      }
      std::vector<Mesh> scene = level.floors;
      scene.push_back(ToLevelUnits(Disc(), level.disc(glm::vec3(c.x, 0.0f, c.y))));
      const auto hit = Cast(scene, PickStart(level, c));
      ASSERT_TRUE(hit);
      EXPECT_TRUE(hit->mesh == scene.size() - 1 && hit->point.y > level.floor + 0.5f)
          << level.name << ": the pick misses the disc at " << what;
    }
    for (glm::vec2 p : level.other_points) {
      ExpectFloor(level, p, "a start, pill or teleporter point");
    }
  }
}

TEST(BoardLayout, TheCourseIsConnectedFromTheMiddleToTheWingsAndThePads) {
  const Level level = Level1();
  // Over the bridges to both wings, and along the middle to both pads, a unit at a time.
  for (float t = -780; t <= 780 && !HasFailure(); t += 1.0f) {
    if (std::abs(t) <= 760) {
      ExpectFloor(level, {t, 0.0f}, "the way to the wings");
    }
    ExpectFloor(level, {0.0f, t}, "the way to the pads");
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
    for (glm::vec2 p : points) {
      EXPECT_FALSE(Cast(level.floors, PickStart(level, p)))
          << level.name << ": the ball would not fall at (" << p.x << ", " << p.y << ")";
    }
    const std::vector<Mesh> boards(level.floors.begin(), level.floors.end() - 1);
    const std::vector<Mesh> rim(level.floors.end() - 1, level.floors.end());
    int covered = 0;
    int rim_points = 0;
    // Off the whole numbers, so that no sample lies on an edge that board and rim share.
    for (float x = -859.5f; x <= 860.0f; x += 4.0f) {
      for (float z = -859.5f; z <= 860.0f; z += 4.0f) {
        if (Cast(rim, PickStart(level, {x, z}))) {
          ++rim_points;
          covered += Cast(boards, PickStart(level, {x, z})).has_value();
        }
      }
    }
    EXPECT_GT(rim_points, 100) << level.name << ": no rim";
    EXPECT_EQ(covered, 0) << level.name << ": the rim lies over the board";
  }
}

}  // namespace
}  // namespace orbelon::assets
