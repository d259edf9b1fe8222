#pragma once

// A bounding-volume hierarchy over the triangles of one mesh, so that a pick against a board of
// a hundred thousand faces costs a few dozen box tests rather than a test of every face.

#include <cstdint>
#include <limits>
#include <vector>

#include <glm/glm.hpp>

namespace orbelon::scene {

struct Box {
  glm::vec3 min{std::numeric_limits<float>::infinity()};
  glm::vec3 max{-std::numeric_limits<float>::infinity()};

  bool Empty() const { return min.x > max.x; }
  void Add(const glm::vec3& p);
  void Add(const Box& other);
  // Whether the ray origin + t * dir meets the box for some t in [0, t_max]; the entry t goes to
  // *entry.
  bool HitBy(const glm::vec3& origin, const glm::vec3& dir, float t_max,
             float* entry = nullptr) const;
  // The box around this box's eight corners carried through a column-vector matrix.
  Box Transformed(const glm::mat4& matrix) const;
};

struct TriangleHit {
  uint32_t triangle = 0;
  float t = 0;
};

class TriangleTree {
 public:
  void Build(const std::vector<glm::vec3>& positions, const std::vector<uint32_t>& indices);
  const Box& Bounds() const { return bounds_; }
  size_t TriangleCount() const { return triangles_.size(); }

  // The triangles that the ray origin + t * dir (t >= 0) meets from their front, where the front
  // of (a, b, c) is the side that cross(b - a, c - a) points to. With nearest_only, only the
  // nearest of them. The hits are appended unsorted.
  void Pick(const glm::vec3& origin, const glm::vec3& dir, bool nearest_only,
            std::vector<TriangleHit>& hits) const;

 private:
  struct Node {
    Box box;
    uint32_t first = 0;  // a leaf's first triangle, or an inner node's second child
    uint32_t count = 0;  // triangles of a leaf; 0 for an inner node
  };

  uint32_t BuildNode(std::vector<glm::vec3>& centroids, uint32_t begin, uint32_t end);

  Box bounds_;
  std::vector<Node> nodes_;
  std::vector<uint32_t> triangles_;  // triangle ids in leaf order
  std::vector<glm::vec3> corners_;   // a, b, c of every triangle, in leaf order
};

}  // namespace orbelon::scene
