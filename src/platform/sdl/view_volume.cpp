#include "platform/sdl/view_volume.h"

#include <cmath>

namespace orbelon::sdl {

ViewVolume::ViewVolume(const glm::mat4& view_projection) {
  // A point is seen while -w <= x, y, z <= w in clip space; each bound is a plane in the world.
  const glm::mat4 rows = glm::transpose(view_projection);
  for (int axis = 0; axis < 3; ++axis) {
    planes_[2 * axis] = rows[3] + rows[axis];
    planes_[2 * axis + 1] = rows[3] - rows[axis];
  }
}

bool ViewVolume::Misses(const glm::mat4& world, const glm::vec3& center, float radius) const {
  const glm::vec3 placed(world * glm::vec4(center, 1.0f));
  // The world matrix stretches the ball at most by the root of its columns' squared lengths.
  const glm::mat3 turn(world);
  const float stretch = std::sqrt(glm::dot(turn[0], turn[0]) + glm::dot(turn[1], turn[1]) +
                                  glm::dot(turn[2], turn[2]));
  // A margin for the rounding of this test against the rounding of the renderer's own.
  const float reach = radius * stretch * 1.001f + 1e-3f;
  for (const glm::vec4& plane : planes_) {
    const glm::vec3 normal(plane);
    if (glm::dot(normal, placed) + plane.w < -reach * glm::length(normal)) {
      return true;
    }
  }
  return false;
}

}  // namespace orbelon::sdl
