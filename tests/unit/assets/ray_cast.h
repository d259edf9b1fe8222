#pragma once

// A plain ray caster over placed meshes, for checking the boards the way the game's floor picks
// see them: only fronts are hit, nearest first.

#include <cmath>
#include <optional>
#include <vector>

#include <glm/glm.hpp>

#include "assets/mesh.h"

namespace orbelon::assets::testing {

struct Hit {
  size_t mesh = 0;
  glm::vec3 point{0.0f};
  float distance = 0.0f;
};

inline std::optional<float> FrontHit(const glm::vec3& origin, const glm::vec3& dir,
                                     const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
  const glm::vec3 n = glm::cross(b - a, c - a);
  if (glm::dot(n, dir) >= 0.0f) {
    return std::nullopt;
  }
  const float t = glm::dot(a - origin, n) / glm::dot(dir, n);
  if (t < 0.0f) {
    return std::nullopt;
  }
  const glm::vec3 p = origin + dir * t;
  // Inside when p lies on the inner side of all three edges (edges count as inside).
  const auto inner = [&](const glm::vec3& from, const glm::vec3& to) {
    return glm::dot(glm::cross(to - from, p - from), n) >= 0.0f;
  };
  if (inner(a, b) && inner(b, c) && inner(c, a)) {
    return t;
  }
  return std::nullopt;
}

inline std::optional<Hit> Cast(const std::vector<Mesh>& meshes, const glm::vec3& origin,
                               const glm::vec3& dir = {0.0f, -1.0f, 0.0f}) {
  std::optional<Hit> best;
  for (size_t m = 0; m < meshes.size(); ++m) {
    const Mesh& mesh = meshes[m];
    for (const auto& t : mesh.triangles) {
      const auto d = FrontHit(origin, dir, mesh.vertices[t[0]].position,
                              mesh.vertices[t[1]].position, mesh.vertices[t[2]].position);
      if (d && (!best || *d < best->distance)) {
        best = Hit{m, origin + dir * *d, *d};
      }
    }
  }
  return best;
}

}  // namespace orbelon::assets::testing
