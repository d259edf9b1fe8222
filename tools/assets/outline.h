#pragma once

// Outlines of boards seen from above, as (x, z) points, and the bands that run round them.

#include <vector>

#include <glm/glm.hpp>

#include "assets/mesh.h"

namespace orbelon::assets {

struct Outline {
  std::vector<glm::vec2> points;
  // Edges (from point i to point i + 1) that get no band: where a bridge meets the board.
  std::vector<size_t> open_edges;
};

bool Inside(const std::vector<glm::vec2>& polygon, const glm::vec2& p);

// A band `width` wide just outside every closed edge of the outline, from y0 up to y1. At
// outer corners the pieces run on so that the band has no gaps.
Mesh BandAround(const Outline& outline, float width, float y0, float y1);

// The points mirrored across the z axis (x becomes -x) or the x axis; edge numbers stay.
std::vector<glm::vec2> MirroredX(std::vector<glm::vec2> points);
std::vector<glm::vec2> MirroredZ(std::vector<glm::vec2> points);

}  // namespace orbelon::assets
