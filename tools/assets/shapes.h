#pragma once

// The solids the props and boards are made of. All are closed and face outward.

#include <vector>

#include <glm/glm.hpp>

#include "assets/mesh.h"

namespace orbelon::assets {

// A flat slab between heights y0 and y1 over an outline of (x, z) points, star-shaped about the
// average of its points (every convex outline is). Texture coordinates come from x and z, times
// uv_scale.
Mesh Slab(const std::vector<glm::vec2>& outline, float y0, float y1, float uv_scale = 0.01f);

Mesh Box(const glm::vec3& low, const glm::vec3& high);

// A surface of revolution about the y axis. The profile runs from the top down as (radius, y);
// a profile that starts and ends on the axis makes a closed solid. Bends sharper than about 40
// degrees stay sharp.
Mesh Lathe(const std::vector<glm::vec2>& profile, int segments);

Mesh Sphere(float radius, int segments, int rings);

Mesh Torus(float major_radius, float minor_radius, int segments, int sides);

// Gives every vertex the normal of its own triangle: hard, gem-like shading. (Every builder here
// gives each triangle corners of its own, so no vertex is shared.)
void Facet(Mesh& mesh);

// The points of a regular polygon in the x-z plane, starting at angle `phase` from +x.
std::vector<glm::vec2> RegularPolygon(int sides, float radius, float phase = 0.0f);

}  // namespace orbelon::assets
