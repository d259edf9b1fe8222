#include "assets/shapes.h"

#include <cmath>
#include <numbers>

namespace orbelon::assets {
namespace {

constexpr float kTau = 2.0f * std::numbers::pi_v<float>;

glm::vec3 Up() {
  return {0.0f, 1.0f, 0.0f};
}

}  // namespace

Mesh Slab(const std::vector<glm::vec2>& outline, float y0, float y1, float uv_scale) {
  Mesh mesh;
  glm::vec2 centre(0.0f);
  for (const auto& p : outline) {
    centre += p;
  }
  centre /= static_cast<float>(outline.size());
  const auto uv = [&](const glm::vec2& p) { return glm::vec2(p.y, p.x) * uv_scale; };
  const auto at = [](const glm::vec2& p, float y) { return glm::vec3(p.x, y, p.y); };

  float along = 0.0f;
  for (size_t i = 0; i < outline.size(); ++i) {
    const glm::vec2& p = outline[i];
    const glm::vec2& q = outline[(i + 1) % outline.size()];
    AddTriangleFacing(mesh, {at(centre, y1), Up(), uv(centre)}, {at(p, y1), Up(), uv(p)},
                      {at(q, y1), Up(), uv(q)}, Up());
    AddTriangleFacing(mesh, {at(centre, y0), -Up(), uv(centre)}, {at(p, y0), -Up(), uv(p)},
                      {at(q, y0), -Up(), uv(q)}, -Up());
    // The side faces away from the centre; for a star-shaped outline that is its outside.
    const glm::vec2 mid = (p + q) * 0.5f - centre;
    const float length = glm::length(q - p);
    const float u0 = along * uv_scale;
    const float u1 = (along + length) * uv_scale;
    AddFlatQuad(mesh, {at(p, y1), at(q, y1), at(q, y0), at(p, y0)},
                {glm::vec2(u0, y1 * uv_scale), glm::vec2(u1, y1 * uv_scale),
                 glm::vec2(u1, y0 * uv_scale), glm::vec2(u0, y0 * uv_scale)},
                glm::vec3(mid.x, 0.0f, mid.y));
    along += length;
  }
  return mesh;
}

Mesh Box(const glm::vec3& low, const glm::vec3& high) {
  return Slab({{low.x, low.z}, {high.x, low.z}, {high.x, high.z}, {low.x, high.z}}, low.y, high.y);
}

Mesh Lathe(const std::vector<glm::vec2>& profile, int segments) {
  Mesh mesh;
  const size_t n = profile.size();
  // The outward normal of each profile segment, in (radius, y).
  std::vector<glm::vec2> seg_normal(n - 1);
  std::vector<float> length(n, 0.0f);
  for (size_t i = 0; i + 1 < n; ++i) {
    const glm::vec2 d = profile[i + 1] - profile[i];
    seg_normal[i] = glm::normalize(glm::vec2(-d.y, d.x));
    length[i + 1] = length[i] + glm::length(d);
  }
  const auto smooth = [&](size_t seg, size_t other) {
    if (other >= seg_normal.size() || glm::dot(seg_normal[seg], seg_normal[other]) < 0.77f) {
      return seg_normal[seg];
    }
    return glm::normalize(seg_normal[seg] + seg_normal[other]);
  };
  const auto vertex = [&](size_t point, glm::vec2 normal, int step) {
    const float angle = kTau * static_cast<float>(step) / static_cast<float>(segments);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const glm::vec2 p = profile[point];
    return Vertex{glm::vec3(p.x * c, p.y, p.x * s), glm::vec3(normal.x * c, normal.y, normal.x * s),
                  glm::vec2(static_cast<float>(step) / static_cast<float>(segments),
                            length[point] / length[n - 1])};
  };
  for (size_t seg = 0; seg + 1 < n; ++seg) {
    const glm::vec2 top_normal = seg > 0 ? smooth(seg, seg - 1) : seg_normal[seg];
    const glm::vec2 bottom_normal = smooth(seg, seg + 1);
    for (int j = 0; j < segments; ++j) {
      const Vertex a = vertex(seg, top_normal, j);
      const Vertex b = vertex(seg, top_normal, j + 1);
      const Vertex c = vertex(seg + 1, bottom_normal, j + 1);
      const Vertex d = vertex(seg + 1, bottom_normal, j);
      AddTriangleFacing(mesh, a, b, c, a.normal + b.normal + c.normal);
      AddTriangleFacing(mesh, a, c, d, a.normal + c.normal + d.normal);
    }
  }
  return mesh;
}

Mesh Sphere(float radius, int segments, int rings) {
  std::vector<glm::vec2> profile;
  for (int i = 0; i <= rings; ++i) {
    const float a = std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(rings);
    profile.emplace_back(radius * std::sin(a), radius * std::cos(a));
  }
  profile.front().x = 0.0f;
  profile.back().x = 0.0f;
  return Lathe(profile, segments);
}

Mesh Torus(float major_radius, float minor_radius, int segments, int sides) {
  Mesh mesh;
  const auto vertex = [&](int i, int j) {
    const float phi = kTau * static_cast<float>(i) / static_cast<float>(segments);
    const float psi = kTau * static_cast<float>(j) / static_cast<float>(sides);
    const glm::vec3 normal(std::cos(psi) * std::cos(phi), std::sin(psi),
                           std::cos(psi) * std::sin(phi));
    const glm::vec3 centre(major_radius * std::cos(phi), 0.0f, major_radius * std::sin(phi));
    return Vertex{centre + minor_radius * normal, normal,
                  glm::vec2(static_cast<float>(i) / static_cast<float>(segments),
                            static_cast<float>(j) / static_cast<float>(sides))};
  };
  for (int i = 0; i < segments; ++i) {
    for (int j = 0; j < sides; ++j) {
      const Vertex a = vertex(i, j);
      const Vertex b = vertex(i + 1, j);
      const Vertex c = vertex(i + 1, j + 1);
      const Vertex d = vertex(i, j + 1);
      AddTriangleFacing(mesh, a, b, c, a.normal + b.normal + c.normal);
      AddTriangleFacing(mesh, a, c, d, a.normal + c.normal + d.normal);
    }
  }
  return mesh;
}

void Facet(Mesh& mesh) {
  for (const auto& t : mesh.triangles) {
    const glm::vec3 n = glm::normalize(FaceNormal(
        mesh.vertices[t[0]].position, mesh.vertices[t[1]].position, mesh.vertices[t[2]].position));
    for (uint32_t index : t) {
      mesh.vertices[index].normal = n;
    }
  }
}

std::vector<glm::vec2> RegularPolygon(int sides, float radius, float phase) {
  std::vector<glm::vec2> points;
  for (int i = 0; i < sides; ++i) {
    const float a = phase + kTau * static_cast<float>(i) / static_cast<float>(sides);
    points.emplace_back(radius * std::cos(a), radius * std::sin(a));
  }
  return points;
}

}  // namespace orbelon::assets
