#pragma once

// A triangle mesh as the generator builds it before writing it out. Every triangle (a, b, c)
// faces where cross(b - a, c - a) points: outward on closed meshes, upward on floors.

#include <array>
#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

namespace orbelon::assets {

struct Vertex {
  glm::vec3 position{0.0f};
  glm::vec3 normal{0.0f, 1.0f, 0.0f};
  glm::vec2 uv{0.0f};
};

struct Mesh {
  std::vector<Vertex> vertices;
  std::vector<std::array<uint32_t, 3>> triangles;

  uint32_t AddVertex(const Vertex& vertex);
  void Append(const Mesh& other);
};

glm::vec3 FaceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c);

// Adds the triangle with its corners in the order that makes it face `facing`.
void AddTriangleFacing(Mesh& mesh, Vertex a, Vertex b, Vertex c, const glm::vec3& facing);

// A flat quad (corners in order round its edge) facing `facing`; its vertices get the face's
// normal and the given texture coordinates.
void AddFlatQuad(Mesh& mesh, const std::array<glm::vec3, 4>& corners,
                 const std::array<glm::vec2, 4>& uvs, const glm::vec3& facing);

// Scales about the origin, then moves; normals follow the scaling.
Mesh Transformed(const Mesh& mesh, const glm::vec3& scale, const glm::vec3& offset);

// Turns the mesh by a rotation matrix (glm's column vectors: p' = turn * p).
Mesh Rotated(const Mesh& mesh, const glm::mat3& turn);

// The volume enclosed, positive when every face points outward (for closed meshes).
double SignedVolume(const Mesh& mesh);

struct Bounds {
  glm::vec3 low{0.0f};
  glm::vec3 high{0.0f};
};
Bounds MeshBounds(const Mesh& mesh);

}  // namespace orbelon::assets
