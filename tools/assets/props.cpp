#include "assets/props.h"

#include <cmath>
#include <numbers>

#include "assets/placements.h"
#include "assets/shapes.h"

namespace orbelon::assets {
namespace {

// Turns +y onto +x: for shapes turned on a lathe that should lie down.
const glm::mat3 kLieDown(glm::vec3(0, -1, 0), glm::vec3(1, 0, 0), glm::vec3(0, 0, 1));
// Turns +y onto +z: for shapes turned on a lathe that should point ahead.
const glm::mat3 kPointAhead(glm::vec3(1, 0, 0), glm::vec3(0, 0, 1), glm::vec3(0, -1, 0));

}  // namespace

Mesh Ball() {
  return Sphere(placed::kBallRadius, 24, 16);
}

Mesh Disc() {
  // Its top stands 2 above the board: above the floor, far below where the picks start.
  const float top = placed::Floor(levels::Level1Data()) + 2.0f;
  const Mesh level = Lathe({{0, top}, {27, top}, {30, top - 1.5f}, {30, 0}, {0, 0}}, 32);
  return ToFileUnits(level, placed::Disc(levels::Level1Data()));
}

Mesh Pill() {
  // A capsule lying on the board, 30 long, its top 7 above its centre.
  constexpr float kRadius = 7.0f;
  constexpr float kHalf = 8.0f;
  std::vector<glm::vec2> profile;
  for (int i = 0; i <= 6; ++i) {
    const float a = std::numbers::pi_v<float> * 0.5f * static_cast<float>(i) / 6.0f;
    profile.emplace_back(kRadius * std::sin(a), kHalf + kRadius * std::cos(a));
  }
  for (int i = 6; i >= 0; --i) {
    const float a = std::numbers::pi_v<float> * 0.5f * static_cast<float>(i) / 6.0f;
    profile.emplace_back(kRadius * std::sin(a), -kHalf - kRadius * std::cos(a));
  }
  return ToFileUnits(Rotated(Lathe(profile, 16), kLieDown), Placed(levels::Level1Data().pill));
}

Mesh Rage() {
  // A flat twelve-pointed star with a hub, a few units thick, well under the board.
  std::vector<glm::vec2> star;
  for (int i = 0; i < 24; ++i) {
    const float a = std::numbers::pi_v<float> * static_cast<float>(i) / 12.0f;
    const float r = i % 2 == 0 ? 285.0f : 165.0f;
    star.emplace_back(r * std::cos(a), r * std::sin(a));
  }
  Mesh level = Slab(star, -12.0f, -8.0f);
  level.Append(Slab(RegularPolygon(16, 60.0f), -13.0f, -7.0f));
  return ToFileUnits(level, placed::Rage(levels::Level1Data()));
}

Mesh Ant() {
  // A beacon: a foot, a pole, a pennant and a knob; its origin at the foot.
  Mesh level = Lathe({{0, 1.2f}, {3, 1.2f}, {3.5f, 0}, {0, 0}}, 12);
  level.Append(Lathe({{0, 20}, {0.7f, 20}, {0.7f, 1}, {0, 1}}, 8));
  level.Append(Transformed(Sphere(1.6f, 10, 6), glm::vec3(1.0f), {0, 20.8f, 0}));
  level.Append(Slab({{0.5f, -0.25f}, {9.0f, -0.25f}, {9.0f, 0.25f}, {0.5f, 0.25f}}, 13, 19));
  return ToFileUnits(level, Placed(levels::Shared().ant));
}

Mesh Arrow() {
  // About 4 long and 1.5 wide, pointing along +z, turning about its middle.
  Mesh mesh = Slab({{-0.25f, -2.0f}, {0.25f, -2.0f}, {0.25f, 0.5f}, {-0.25f, 0.5f}}, -0.2f, 0.2f);
  mesh.Append(Slab({{-0.75f, 0.4f}, {0.75f, 0.4f}, {0.0f, 2.0f}}, -0.25f, 0.25f));
  return mesh;
}

Mesh Particle() {
  Mesh level = Sphere(3.0f, 8, 5);
  Facet(level);
  return ToFileUnits(level, Placed(levels::Shared().particle));
}

}  // namespace orbelon::assets
