// Frames against the rules of the scene: orientation, spins per tick, LookAt without roll, calls
// through Nothing, and picks that follow every change of the scene.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "platform/error.h"
#include "platform/scene/scene.h"

namespace orbelon::scene {
namespace {

using platform::PlatformError;

constexpr float kTolerance = 1e-5f;

#define EXPECT_VECTOR(actual, ex, ey, ez, what)            \
  do {                                                     \
    const Vector v_ = (actual);                            \
    EXPECT_NEAR(v_.x, (ex), kTolerance) << (what) << " x"; \
    EXPECT_NEAR(v_.y, (ey), kTolerance) << (what) << " y"; \
    EXPECT_NEAR(v_.z, (ez), kTolerance) << (what) << " z"; \
  } while (0)

class FrameTest : public ::testing::Test {
 protected:
  Vector Position(const Frame& frame, const Frame& ref) {
    Vector p;
    frame.GetPosition(ref, p);
    return p;
  }
  Vector Dir(const Frame& frame, const Frame& ref) {
    Vector dir, up;
    frame.GetOrientation(ref, dir, up);
    return dir;
  }
  Vector Up(const Frame& frame, const Frame& ref) {
    Vector dir, up;
    frame.GetOrientation(ref, dir, up);
    return up;
  }
  // The x axis: y x z with the ordinary cross product.
  Vector Right(const Frame& frame, const Frame& ref) {
    const Vector y = Up(frame, ref), z = Dir(frame, ref);
    return {y.y * z.z - y.z * z.y, y.z * z.x - y.x * z.z, y.x * z.y - y.y * z.x};
  }

  Root root{nullptr};
  Frame scene = root.CreateFrame(Frame());
};

TEST_F(FrameTest, OrientationRoundTripsAndRefusesParallelUp) {
  Frame tilted = root.CreateFrame(scene);
  tilted.AddRotation(D3DRMCOMBINE_REPLACE, 1, 2, 3, 0.7f);
  Frame frame = root.CreateFrame(scene);
  frame.SetOrientation(tilted, 0, 0, 2, 0, 5, 5);
  EXPECT_VECTOR(Dir(frame, tilted), 0, 0, 1, "dir comes back normalised in its own reference");
  EXPECT_VECTOR(Up(frame, tilted), 0, 1, 0, "up comes back as its part across dir");

  frame.SetOrientation(scene, 3, 0, 4, 0, 1, 0);
  EXPECT_VECTOR(Dir(frame, scene), 0.6f, 0, 0.8f, "dir");
  EXPECT_VECTOR(Right(frame, scene), 0.8f, 0, -0.6f, "x = y x z");

  EXPECT_THROW(frame.SetOrientation(scene, 0, 2, 0, 0, 1, 0), PlatformError);
  EXPECT_THROW(frame.SetOrientation(scene, 0, 0, 1, 0, 0, 0), PlatformError);
  EXPECT_VECTOR(Dir(frame, scene), 0.6f, 0, 0.8f, "a refused orientation changes nothing");
}

TEST_F(FrameTest, SpinsTurnOncePerTickAboutTheFramesOwnOrigin) {
  Frame base = root.CreateFrame(scene);
  base.SetPosition(scene, 7, 0, 0);
  Frame disc = root.CreateFrame(base);
  disc.AddRotation(D3DRMCOMBINE_REPLACE, 1, 0, 0, 0.3f);
  disc.SetPosition(base, 0, 0, 10);
  const Vector own_up = Up(disc, scene);
  Frame child = root.CreateFrame(disc);
  child.SetPosition(disc, 0, 0, 2);

  base.SetRotation(scene, 0, 1, 0, 0.25f);
  disc.SetRotation(disc, 0, 1, 0, 0.5f);  // about its own, tilted y
  EXPECT_VECTOR(Dir(base, scene), 0, 0, 1, "a spin does nothing until the scene is advanced");
  for (int tick = 0; tick < 4; ++tick)
    Root::Tick(scene);
  EXPECT_VECTOR(Dir(base, scene), std::sin(1.0f), 0, std::cos(1.0f), "four ticks of 0.25 about y");
  EXPECT_VECTOR(Position(base, scene), 7, 0, 0, "a spin turns about the frame's own origin");
  EXPECT_VECTOR(Up(disc, base), own_up.x, own_up.y, own_up.z, "its own y axis stays");
  const Vector disc_at = Position(disc, scene), disc_z = Dir(disc, scene);
  EXPECT_VECTOR(Position(child, scene), disc_at.x + 2 * disc_z.x, disc_at.y + 2 * disc_z.y,
                disc_at.z + 2 * disc_z.z, "children turn with their frame");

  Frame roll = root.CreateFrame(scene);
  roll.SetRotation(roll, 0, 0, 0, 0.5f);
  Root::Tick(scene);
  EXPECT_VECTOR(Dir(roll, scene), 0, -std::sin(0.5f), std::cos(0.5f), "a zero axis spins about x");
}

TEST_F(FrameTest, LookAtKeepsXLevelInTheReference) {
  // Under a tilted, moved parent the aim is exact and x level in the reference: no roll.
  Frame target = root.CreateFrame(scene);
  Frame tilted = root.CreateFrame(scene);
  tilted.AddRotation(D3DRMCOMBINE_REPLACE, 0.3f, 0.2f, 1, 0.4f);
  tilted.SetPosition(scene, 20, -10, 5);
  Frame arrow = root.CreateFrame(tilted);
  arrow.SetPosition(scene, 8, 30, -40);
  target.SetPosition(scene, -30, 0, 60);
  arrow.LookAt(target, scene, D3DRMCONSTRAIN_Z);
  const float dx = -38, dy = -30, dz = 100;
  const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
  EXPECT_VECTOR(Dir(arrow, scene), dx / length, dy / length, dz / length, "aim at the target");
  EXPECT_NEAR(Right(arrow, scene).y, 0, kTolerance) << "x stays level";
  EXPECT_GT(Up(arrow, scene).y, 0) << "y keeps to the upper side";

  // Straight above the target there is no level x: the orientation stays as it was.
  const Vector before = Dir(arrow, scene);
  target.SetPosition(scene, 8, -100, -40);
  arrow.LookAt(target, scene, D3DRMCONSTRAIN_Z);
  EXPECT_VECTOR(Dir(arrow, scene), before.x, before.y, before.z, "straight down changes nothing");
}

TEST_F(FrameTest, CallsThroughNothingFail) {
  Frame nothing;
  Vector v;
  EXPECT_THROW(nothing.SetPosition(scene, 0, 0, 0), PlatformError);
  EXPECT_THROW(scene.GetPosition(nothing, v), PlatformError) << "Nothing as the reference";
  EXPECT_THROW(scene.AddVisual(MeshBuilder()), PlatformError);
  EXPECT_THROW(scene.SetPosition(scene, NAN, 0, 0), PlatformError);
  EXPECT_FALSE(scene.GetParent()) << "a frame of its own has no parent";
}

// A pick straight down, as the floor picks make them, sees the board as it stands now.
TEST_F(FrameTest, PicksFollowEveryChangeOfTheScene) {
  const std::string path = std::string(ORBELON_TEST_OUTPUT) + "/scene_flat_board.dax";
  std::ofstream(path) << "v -100 0 -100\nv -100 0 100\nv 100 0 100\nv 100 0 -100\nf 1 2 3 4\n";
  MeshBuilder board = root.CreateMeshBuilder();
  board.LoadFromFile(path);
  Frame base = root.CreateFrame(scene);
  base.AddVisual(board);
  const auto floor = [&](float x) {
    PickDesc desc;
    base.RayPick(scene, {{0, -1, 0}, {x, 50, 0}}, 2).GetPickVisual(0, desc);
    return desc.dvPosition.y;
  };
  EXPECT_NEAR(floor(0), 0, 1e-5f);
  base.SetPosition(scene, 0, 4, 0);
  EXPECT_NEAR(floor(0), 4, 1e-5f) << "after a move";
  board.Translate(0, 2, 0);
  EXPECT_NEAR(floor(0), 6, 1e-5f) << "after Translate";
  base.SetRotation(scene, 0, 0, 1, 0.1f);
  Root::Tick(scene);
  // The board turned 0.1 about z through the frame's origin at height 4, its floor 2 above it.
  EXPECT_NEAR(floor(20), 4 + 2 / std::cos(0.1f) + 20 * std::tan(0.1f), 1e-4f) << "after a tick";
  base.DeleteVisual(board);
  EXPECT_EQ(base.RayPick(scene, {{0, -1, 0}, {0, 50, 0}}, 2).GetSize(), 0) << "after DeleteVisual";
  root.CreateFrame(base).AddVisual(board);
  EXPECT_NEAR(floor(0), 4 + 2 / std::cos(0.1f), 1e-4f) << "a visual on a new child";
}

}  // namespace
}  // namespace orbelon::scene
