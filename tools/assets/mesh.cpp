#include "assets/mesh.h"

#include <algorithm>
#include <utility>

namespace orbelon::assets {

uint32_t Mesh::AddVertex(const Vertex& vertex) {
  vertices.push_back(vertex);
  return static_cast<uint32_t>(vertices.size() - 1);
}

void Mesh::Append(const Mesh& other) {
  const auto base = static_cast<uint32_t>(vertices.size());
  vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
  for (const auto& t : other.triangles) {
    triangles.push_back({t[0] + base, t[1] + base, t[2] + base});
  }
}

glm::vec3 FaceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
  return glm::cross(b - a, c - a);
}

void AddTriangleFacing(Mesh& mesh, Vertex a, Vertex b, Vertex c, const glm::vec3& facing) {
  const glm::vec3 n = FaceNormal(a.position, b.position, c.position);
  // A sliver at a pole has no area and no front; leaving it out keeps the picks clean.
  if (glm::dot(n, n) < 1e-12f) {
    return;
  }
  if (glm::dot(n, facing) < 0.0f) {
    std::swap(b, c);
  }
  const uint32_t ia = mesh.AddVertex(a);
  const uint32_t ib = mesh.AddVertex(b);
  const uint32_t ic = mesh.AddVertex(c);
  mesh.triangles.push_back({ia, ib, ic});
}

void AddFlatQuad(Mesh& mesh, const std::array<glm::vec3, 4>& corners,
                 const std::array<glm::vec2, 4>& uvs, const glm::vec3& facing) {
  glm::vec3 n = FaceNormal(corners[0], corners[1], corners[2]);
  if (glm::dot(n, facing) < 0.0f) {
    n = -n;
  }
  if (glm::dot(n, n) < 1e-12f) {
    return;
  }
  n = glm::normalize(n);
  std::array<Vertex, 4> v;
  for (int i = 0; i < 4; ++i) {
    v[i] = Vertex{corners[i], n, uvs[i]};
  }
  AddTriangleFacing(mesh, v[0], v[1], v[2], n);
  AddTriangleFacing(mesh, v[0], v[2], v[3], n);
}

Mesh Transformed(const Mesh& mesh, const glm::vec3& scale, const glm::vec3& offset) {
  Mesh out = mesh;
  for (auto& v : out.vertices) {
    v.position = v.position * scale + offset;
    const glm::vec3 n = v.normal / scale;
    v.normal = glm::dot(n, n) > 0.0f ? glm::normalize(n) : v.normal;
  }
  // A mirroring scale turns every face inside out; swap corners to keep the fronts outside.
  if (scale.x * scale.y * scale.z < 0.0f) {
    for (auto& t : out.triangles) {
      std::swap(t[1], t[2]);
    }
  }
  return out;
}

Mesh Rotated(const Mesh& mesh, const glm::mat3& turn) {
  Mesh out = mesh;
  for (auto& v : out.vertices) {
    v.position = turn * v.position;
    v.normal = turn * v.normal;
  }
  return out;
}

double SignedVolume(const Mesh& mesh) {
  double sum = 0.0;
  for (const auto& t : mesh.triangles) {
    const glm::dvec3 a = mesh.vertices[t[0]].position;
    const glm::dvec3 b = mesh.vertices[t[1]].position;
    const glm::dvec3 c = mesh.vertices[t[2]].position;
    sum += glm::dot(a, glm::cross(b, c));
  }
  return sum / 6.0;
}

Bounds MeshBounds(const Mesh& mesh) {
  Bounds b;
  if (mesh.vertices.empty()) {
    return b;
  }
  b.low = b.high = mesh.vertices.front().position;
  for (const auto& v : mesh.vertices) {
    b.low = glm::min(b.low, v.position);
    b.high = glm::max(b.high, v.position);
  }
  return b;
}

}  // namespace orbelon::assets
