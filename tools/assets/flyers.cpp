// The teleporters, the UFO and its beam: the props that stand or fly above the ball.

#include "assets/placements.h"
#include "assets/props.h"
#include "assets/shapes.h"

namespace orbelon::assets {
namespace {

// The teleporters' frames stand above the root; their pads lie on the board.
const glm::vec3 kTeleFrame(0.0f, levels::Level1Data().teleporter1.y, 0.0f);
// Nothing but the pad may come lower than this: the ball (top at 26) passes under the rest.
constexpr float kTeleBodyLow = 31.0f;

}  // namespace

Mesh TeleBody() {
  const float ring = kTeleBodyLow + 3.0f;
  Mesh level = Transformed(Torus(24.0f, 3.0f, 32, 10), glm::vec3(1.0f), {0, ring, 0});
  Mesh crystal = Lathe({{0, ring + 32}, {9, ring + 18}, {0, ring + 6}}, 6);
  Facet(crystal);
  level.Append(crystal);
  return ToFileUnits(level, Placed(levels::Shared().tele1, kTeleFrame));
}

Mesh TeleBase() {
  // A thin pad whose top is 3 above the board: a floor pick over it finds the teleporter.
  constexpr float kRadius = 30.0f;
  const float floor = placed::Floor(levels::Level1Data());
  const float top = floor + 3.0f;
  Mesh level = Lathe(
      {{0, top}, {26, top}, {kRadius, top - 1}, {kRadius, floor + 0.2f}, {0, floor + 0.2f}}, 32);
  // No wrap is applied to the pads: their glowing rings come from these coordinates.
  for (auto& v : level.vertices) {
    v.uv = glm::vec2(0.5f) + glm::vec2(v.position.x, v.position.z) / (2.0f * kRadius);
  }
  return ToFileUnits(level, Placed(levels::Shared().tele_base1, kTeleFrame));
}

Mesh UfoShell() {
  // A saucer 60 across, centred on its frame.
  const Mesh level = Lathe({{0, 4.5f},
                            {10, 4},
                            {20, 2.5f},
                            {28, 0.8f},
                            {30, 0},
                            {28, -1.2f},
                            {20, -3},
                            {10, -4.5f},
                            {0, -5}},
                           32);
  return ToFileUnits(level, Placed(levels::Shared().ufo_shell));
}

Mesh UfoBody() {
  // The dome on top and the pod underneath; both start inside the shell.
  Mesh level;
  std::vector<glm::vec2> dome;
  for (int i = 0; i <= 6; ++i) {
    const float a = 1.5707964f * static_cast<float>(i) / 6.0f;
    dome.emplace_back(11.0f * std::sin(a), 3.5f + 11.0f * std::cos(a));
  }
  dome.emplace_back(0.0f, 3.5f);
  level.Append(Lathe(dome, 24));
  level.Append(Lathe({{0, -4}, {8, -4}, {6, -6.5f}, {0, -8}}, 16));
  return ToFileUnits(level, Placed(levels::Shared().ufo_body));
}

Mesh Beam() {
  // A cone of light from just under the UFO down to 30 under its frame: in level 1 that is 34
  // above the root, in level 2 30, well above the ball either way.
  const Mesh level = Lathe({{0, 13}, {5, 13}, {24, -30}, {0, -30}}, 24);
  return ToFileUnits(level, Placed(levels::Shared().beam));
}

}  // namespace orbelon::assets
