#include "assets/outline.h"

#include <algorithm>

#include "assets/shapes.h"

namespace orbelon::assets {

bool Inside(const std::vector<glm::vec2>& polygon, const glm::vec2& p) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const glm::vec2& a = polygon[i];
    const glm::vec2& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

Mesh BandAround(const Outline& outline, float width, float y0, float y1) {
  Mesh mesh;
  const auto& pts = outline.points;
  const size_t n = pts.size();
  const auto open = [&](size_t edge) {
    return std::find(outline.open_edges.begin(), outline.open_edges.end(), edge % n) !=
           outline.open_edges.end();
  };
  for (size_t i = 0; i < n; ++i) {
    if (open(i)) {
      continue;
    }
    const glm::vec2 p = pts[i];
    const glm::vec2 q = pts[(i + 1) % n];
    const glm::vec2 along = glm::normalize(q - p);
    glm::vec2 out(-along.y, along.x);
    if (Inside(pts, (p + q) * 0.5f + out * 0.5f)) {
      out = -out;
    }
    // Run on past a corner only where all of the piece beyond it stays off the board and off a
    // bridge's mouth.
    const auto runs_on = [&](const glm::vec2& corner, glm::vec2 direction, size_t neighbour) {
      if (open(neighbour)) {
        return false;
      }
      for (float a : {0.1f, 0.5f, 0.9f}) {
        for (float b : {0.1f, 0.5f, 0.9f}) {
          if (Inside(pts, corner + (direction * a + out * b) * width)) {
            return false;
          }
        }
      }
      return true;
    };
    const glm::vec2 start = runs_on(p, -along, i + n - 1) ? p - along * width : p;
    const glm::vec2 end = runs_on(q, along, i + 1) ? q + along * width : q;
    mesh.Append(Slab({start, end, end + out * width, start + out * width}, y0, y1));
  }
  return mesh;
}

std::vector<glm::vec2> MirroredX(std::vector<glm::vec2> points) {
  for (auto& p : points) {
    p.x = -p.x;
  }
  return points;
}

std::vector<glm::vec2> MirroredZ(std::vector<glm::vec2> points) {
  for (auto& p : points) {
    p.y = -p.y;
  }
  return points;
}

}  // namespace orbelon::assets
