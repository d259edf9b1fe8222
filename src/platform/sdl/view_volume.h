#pragma once

#include <array>

#include <glm/glm.hpp>

namespace orbelon::sdl {

// What a camera sees: the six planes that bound its view, taken from its view and projection.
// A mesh wholly outside them draws no pixel; telling so before drawing spares the software
// renderer the work on its corners and triangles.
class ViewVolume {
 public:
  explicit ViewVolume(const glm::mat4& view_projection);

  // Whether the ball of the mesh's own space (centre, radius), placed by the world matrix, lies
  // wholly outside. Errs on the side of drawing: the ball is taken as stretched by the most that
  // any world matrix of that size could.
  bool Misses(const glm::mat4& world, const glm::vec3& center, float radius) const;

 private:
  std::array<glm::vec4, 6> planes_{};
};

}  // namespace orbelon::sdl
