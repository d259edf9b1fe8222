// Picks as the ball motion and the floor triggers use them: straight down from inside the ball,
// nearest first, through a tilted and moved board, and fresh after every change of the scene.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/scene/scene.h"
#include "unit/scene/test_meshes.h"

namespace orbelon::scene {
namespace {

using platform::PlatformError;
using testing::TempFolder;

constexpr Ray Down(float x, float y, float z) {
  return {{0, -1, 0}, {x, y, z}};
}

class PickTest : public ::testing::Test {
 protected:
  MeshBuilder Mesh(const std::string& name, const std::string& text) {
    MeshBuilder mesh = root.CreateMeshBuilder();
    mesh.LoadFromFile(folder.Write(name + ".dax", text));
    mesh.SetName(name);
    return mesh;
  }
  std::vector<std::string> Names(const PickArray& picks) {
    std::vector<std::string> names;
    PickDesc desc;
    for (int i = 0; i < picks.GetSize(); ++i)
      names.push_back(picks.GetPickVisual(i, desc).GetName());
    return names;
  }
  float FloorY(const PickArray& picks) {
    PickDesc desc;
    picks.GetPickVisual(0, desc);
    return desc.dvPosition.y;
  }

  TempFolder folder;
  Root root{nullptr};
  Frame scene = root.CreateFrame(Frame());
  Frame base = root.CreateFrame(scene);
};

TEST_F(PickTest, NearestFirstAndNeverTheInsideOfTheBall) {
  base.AddVisual(Mesh("base", testing::FlatBoardText(100)));
  Frame disc = root.CreateFrame(base);
  disc.SetPosition(base, 0, 1, 0);
  disc.AddVisual(Mesh("Bonus", testing::CubeText(0.5, true)));
  Frame ball = root.CreateFrame(base);
  ball.SetPosition(scene, 0, 15, 0);
  Frame roll = root.CreateFrame(ball);
  roll.AddVisual(Mesh("vorlet", testing::SphereText(8, 12)));

  const PickArray nearest = base.RayPick(scene, Down(0.3f, 15, 0.2f), 2);
  EXPECT_EQ(Names(nearest), (std::vector<std::string>{"Bonus", "base"}))
      << "a pick from the ball's centre meets the disc's top, then the board, not the ball";
  EXPECT_NEAR(FloorY(nearest), 1.5f, 1e-5f) << "the disc's top in the scene";
  PickDesc top;
  nearest.GetPickVisual(0, top);
  EXPECT_EQ(top.ulFaceIdx, 2) << "the face as the file counts them: the cube's third quad, +y";

  const PickArray all = base.RayPick(scene, Down(0.3f, 40, 0.2f), 0);
  EXPECT_EQ(Names(all), (std::vector<std::string>{"vorlet", "Bonus", "base"}))
      << "from above the ball, every front face on the way: the ball's top only, the disc's top "
         "only, the board";
  const PickArray nearest_from_above = base.RayPick(scene, Down(0.3f, 40, 0.2f), 2);
  EXPECT_EQ(nearest_from_above.GetSize(), 3);

  const PickArray up = base.RayPick(scene, {{0, 1, 0}, {0.3f, -5, 0.2f}}, 0);
  EXPECT_EQ(Names(up), (std::vector<std::string>{"Bonus", "vorlet"}))
      << "from below: not the board (its back), the undersides of the disc and the ball only";

  PickDesc desc;
  const PickArray beside = base.RayPick(scene, Down(500, 15, 0), 2);
  EXPECT_EQ(beside.GetSize(), 0);
  EXPECT_THROW(beside.GetPickVisual(0, desc), PlatformError) << "entry 0 of an empty pick";
  EXPECT_THROW(nearest.GetPickVisual(2, desc), PlatformError) << "an entry past the end";
  EXPECT_THROW(PickArray().GetSize(), PlatformError);
}

TEST_F(PickTest, PicksFollowEveryChangeOfTheScene) {
  MeshBuilder board = Mesh("base", testing::FlatBoardText(100));
  base.AddVisual(board);
  EXPECT_NEAR(FloorY(base.RayPick(scene, Down(0, 50, 0), 2)), 0, 1e-5f);

  base.SetPosition(scene, 0, 4, 0);
  EXPECT_NEAR(FloorY(base.RayPick(scene, Down(0, 50, 0), 2)), 4, 1e-5f) << "after a move";

  board.Translate(0, 2, 0);
  EXPECT_NEAR(FloorY(base.RayPick(scene, Down(0, 50, 0), 2)), 6, 1e-5f) << "after Translate";

  base.SetRotation(scene, 0, 0, 1, 0.1f);
  Root::Tick(scene);
  // The board turned 0.1 about z through the frame's origin at height 4, its floor 2 above it.
  EXPECT_NEAR(FloorY(base.RayPick(scene, Down(20, 50, 0), 2)),
              4 + 2 / std::cos(0.1f) + 20 * std::tan(0.1f), 1e-4f)
      << "after a spin's tick";

  base.DeleteVisual(board);
  EXPECT_EQ(base.RayPick(scene, Down(0, 50, 0), 2).GetSize(), 0) << "after DeleteVisual";
  Frame moved = root.CreateFrame(base);
  moved.AddVisual(board);
  EXPECT_EQ(base.RayPick(scene, Down(0, 50, 0), 2).GetSize(), 1) << "a visual on a new child";
  EXPECT_EQ(moved.RayPick(scene, Down(500, 50, 0), 2).GetSize(), 0) << "off the board";
}

// The tree must find what testing every face finds: the nearest front face along random rays,
// on a turned board, the point met given in the scene's coordinates.
TEST_F(PickTest, TreeAgreesWithEveryFaceTested) {
  const std::string text = testing::WavyBoardText(100, 60);
  base.AddVisual(Mesh("base", text));
  base.AddRotation(D3DRMCOMBINE_REPLACE, 1, 0, 1, 0.2f);

  // The same board in the scene's coordinates, to test face by face in double precision.
  Frame check = root.CreateFrame(scene);
  std::vector<glm::dvec3> points;
  std::vector<int> faces;
  std::istringstream lines(text);
  std::string keyword;
  for (float a, b, c; lines >> keyword >> a >> b >> c;) {
    if (keyword == "v") {
      check.SetPosition(base, a, b, c);
      Vector p;
      check.GetPosition(scene, p);
      points.emplace_back(p.x, p.y, p.z);
    } else {
      faces.insert(faces.end(), {int(a) - 1, int(b) - 1, int(c) - 1});
    }
  }

  std::mt19937 random(7);
  std::uniform_real_distribution<float> spread(-120, 120);
  int hits = 0;
  for (int ray = 0; ray < 300; ++ray) {
    const glm::dvec3 o(spread(random), 60, spread(random));
    const glm::dvec3 d(spread(random) / 200, -1, spread(random) / 200);
    // The nearest t of the faces clearly hit, and of those hit with a little slack at the edges.
    double clear = INFINITY, loose = INFINITY;
    for (size_t f = 0; f < faces.size(); f += 3) {
      const glm::dvec3 a = points[faces[f]], e1 = points[faces[f + 1]] - a,
                       e2 = points[faces[f + 2]] - a;
      const glm::dvec3 p = glm::cross(d, e2), s = o - a, q = glm::cross(s, e1);
      const double det = glm::dot(e1, p);
      if (det <= 0)
        continue;
      const double u = glm::dot(s, p) / det, v = glm::dot(d, q) / det, t = glm::dot(e2, q) / det;
      if (t < 0)
        continue;
      const double margin = std::min({u, v, 1 - u - v});
      clear = margin > 1e-4 ? std::min(clear, t) : clear;
      loose = margin > -1e-4 ? std::min(loose, t) : loose;
    }
    const PickArray picks = base.RayPick(
        scene, {{float(d.x), float(d.y), float(d.z)}, {float(o.x), float(o.y), float(o.z)}}, 2);
    if (picks.GetSize() == 0) {
      EXPECT_EQ(clear, INFINITY) << "ray " << ray << " missed a face it clearly meets";
      continue;
    }
    ++hits;
    const double t = (o.y - FloorY(picks)) / -d.y;
    EXPECT_GE(t, loose - 1e-3) << "ray " << ray << " hit nothing this near";
    EXPECT_LE(t, clear + 1e-3) << "ray " << ray << " passed the nearest face";
  }
  EXPECT_GT(hits, 150) << "most rays should land on the board";
}

}  // namespace
}  // namespace orbelon::scene
