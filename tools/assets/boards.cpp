#include "assets/boards.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "assets/outline.h"
#include "assets/placements.h"
#include "assets/shapes.h"

namespace orbelon::assets {
namespace {

using levels::Level1Data;
using levels::Level2Data;
using Points = std::vector<glm::vec2>;

// Level 1 in the level root's units. The top lies where the ball's centre rests less its
// radius; the central plate keeps the corner checkpoints 80 from its edges.
const float kTop1 = placed::Floor(Level1Data());
const float kBottom1 = kTop1 - 8.0f;
constexpr float kPlateX = 380.0f;
constexpr float kPlateZ = 480.0f;
constexpr float kWingInner = 620.0f;
constexpr float kWingOuter = 800.0f;
constexpr float kWingZ = 240.0f;
constexpr float kBridgeZ = 50.0f;
// The bridge reaches this far onto the boards at each end so that no pick slips between them.
constexpr float kBridgeOverlap = 0.5f;
constexpr float kRimWidth = 4.0f;

Points Rect(float x0, float z0, float x1, float z1) {
  return {{x0, z0}, {x1, z0}, {x1, z1}, {x0, z1}};
}

// The teleporter pad at the +z end, an octagon round the second teleporter.
Points Pad() {
  const glm::vec2 at(Level1Data().teleporter2.x, Level1Data().teleporter2.z);
  Points pad = {{60, -110}, {120, -50}, {120, 50},   {60, 110},
                {-60, 110}, {-120, 50}, {-120, -50}, {-60, -110}};
  for (glm::vec2& corner : pad) {
    corner += at;
  }
  return pad;
}

Outline MainOutline1() {
  Points p = {{kPlateX, -kPlateZ},
              {kPlateX, -kBridgeZ},
              {kPlateX, kBridgeZ},
              {kPlateX, kPlateZ},
              {60, kPlateZ}};
  for (const auto& q : Pad()) {
    p.push_back(q);
  }
  const Points left = {{-60, kPlateZ},        {-kPlateX, kPlateZ},  {-kPlateX, kBridgeZ},
                       {-kPlateX, -kBridgeZ}, {-kPlateX, -kPlateZ}, {-60, -kPlateZ}};
  p.insert(p.end(), left.begin(), left.end());
  const Points far_pad = MirroredZ(Pad());
  p.insert(p.end(), far_pad.rbegin(), far_pad.rend());
  p.emplace_back(60, -kPlateZ);
  // The mouths of the two bridges.
  return {p, {1, 15}};
}

Outline WingOutline1() {
  return {{{kWingInner, -kWingZ},
           {kWingOuter, -kWingZ},
           {kWingOuter, kWingZ},
           {kWingInner, kWingZ},
           {kWingInner, kBridgeZ},
           {kWingInner, -kBridgeZ}},
          {4}};
}

Outline MirroredOutline(const Outline& outline) {
  return {MirroredX(outline.points), outline.open_edges};
}

// Level 2 in the level root's units: the top at the root's own height.
const float kTop2 = placed::Floor(Level2Data());
const float kBottom2 = kTop2 - 5.0f;
constexpr float kHub = 190.0f;
constexpr float kRing1In = 420.0f;
constexpr float kRing1Out = 595.0f;
constexpr float kRing2In = 630.0f;
constexpr float kRing2Out = 845.0f;
constexpr float kSpokeHalfWidth = 50.0f;
constexpr int kRing2Pieces = 48;

glm::vec2 Polar(float radius, float angle) {
  return {radius * std::cos(angle), radius * std::sin(angle)};
}

// A ring of pieces, each a little wider than its share so that neighbours overlap: the pieces
// share one texture mapping, so the overlaps do not show, and no pick falls between them.
Mesh Ring(float inner, float outer, int pieces) {
  Mesh mesh;
  const float step = 2.0f * std::numbers::pi_v<float> / static_cast<float>(pieces);
  const float spare = step * 0.02f;
  for (int i = 0; i < pieces; ++i) {
    const float a0 = step * static_cast<float>(i) - spare;
    const float a1 = step * static_cast<float>(i + 1) + spare;
    mesh.Append(Slab({Polar(inner, a0), Polar(outer, a0), Polar(outer, a1), Polar(inner, a1)},
                     kBottom2, kTop2));
  }
  return mesh;
}

Mesh Spoke(float from, float to, float angle) {
  const glm::vec2 along = Polar(1.0f, angle);
  const glm::vec2 side(-along.y * kSpokeHalfWidth, along.x * kSpokeHalfWidth);
  return Slab({along * from - side, along * to - side, along * to + side, along * from + side},
              kBottom2, kTop2);
}

}  // namespace

Mesh Board1() {
  Mesh level;
  level.Append(Slab(Rect(-kPlateX, -kPlateZ, kPlateX, kPlateZ), kBottom1, kTop1));
  for (float side : {1.0f, -1.0f}) {
    const auto mirror = [side](Points p) { return side > 0.0f ? p : MirroredZ(std::move(p)); };
    level.Append(Slab(mirror(Rect(-60, kPlateZ - 10, 60, 600)), kBottom1, kTop1));
    level.Append(Slab(mirror(Pad()), kBottom1, kTop1));
    level.Append(
        Slab(Rect(side * kWingInner, -kWingZ, side * kWingOuter, kWingZ), kBottom1, kTop1));
  }
  return ToFileUnits(level, placed::Board(Level1Data()));
}

Mesh Bridge1() {
  Mesh half;
  const float x0 = kPlateX - kBridgeOverlap;
  const float x1 = kWingInner + kBridgeOverlap;
  half.Append(Box({x0, kTop1 - 4.0f, -kBridgeZ}, {x1, kTop1, kBridgeZ}));
  // Two stringers and three cross beams under the planks.
  for (float z : {-44.0f, 44.0f}) {
    half.Append(Box({kPlateX, kTop1 - 10.0f, z - 4.0f}, {kWingInner, kTop1 - 4.0f, z + 4.0f}));
  }
  for (float x : {430.0f, 500.0f, 570.0f}) {
    half.Append(Box({x - 5.0f, kTop1 - 7.0f, -kBridgeZ}, {x + 5.0f, kTop1 - 4.0f, kBridgeZ}));
  }
  Mesh level = half;
  level.Append(Transformed(half, {-1.0f, 1.0f, 1.0f}, glm::vec3(0.0f)));
  return ToFileUnits(level, Placed(*Level1Data().bridge));
}

Mesh Rim1() {
  Mesh level;
  const float low = kTop1 - 16.0f;
  level.Append(BandAround(MainOutline1(), kRimWidth, low, kTop1));
  level.Append(BandAround(WingOutline1(), kRimWidth, low, kTop1));
  level.Append(BandAround(MirroredOutline(WingOutline1()), kRimWidth, low, kTop1));
  return ToFileUnits(level, placed::Rim(Level1Data()));
}

Mesh Board2() {
  Mesh level;
  level.Append(Slab(RegularPolygon(16, kHub), kBottom2, kTop2));
  level.Append(Ring(kRing1In, kRing1Out, 32));
  level.Append(Ring(kRing2In, kRing2Out, kRing2Pieces));
  for (int i = 0; i < 8; ++i) {
    const float angle = std::numbers::pi_v<float> * 0.25f * static_cast<float>(i);
    level.Append(Spoke(kHub - 40.0f, kRing1In + 30.0f, angle));
    level.Append(Spoke(kRing1Out - 30.0f, kRing2In + 30.0f, angle));
  }
  return ToFileUnits(level, placed::Board(Level2Data()));
}

Mesh Rim2() {
  // The outer ring's edge, as many sides as the ring has pieces.
  const Outline edge{RegularPolygon(kRing2Pieces, kRing2Out), {}};
  return ToFileUnits(BandAround(edge, 5.0f, kTop2 - 10.0f, kTop2), placed::Rim(Level2Data()));
}

}  // namespace orbelon::assets
