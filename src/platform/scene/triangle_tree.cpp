#include "platform/scene/triangle_tree.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace orbelon::scene {

namespace {

constexpr uint32_t kLeafSize = 4;
constexpr int kStackSize = 64;  // median splits keep the depth near log2 of the face count

// Boxes grow by a hair so that rounding never lets a box test miss a face that the face test
// would hit on its very edge.
Box Padded(Box box) {
  const glm::vec3 magnitude = glm::max(glm::abs(box.min), glm::abs(box.max));
  const float largest = std::max({magnitude.x, magnitude.y, magnitude.z});
  const glm::vec3 pad(largest * 1e-5f + 1e-6f);
  box.min -= pad;
  box.max += pad;
  return box;
}

}  // namespace

void Box::Add(const glm::vec3& p) {
  min = glm::min(min, p);
  max = glm::max(max, p);
}

void Box::Add(const Box& other) {
  if (other.Empty())
    return;
  min = glm::min(min, other.min);
  max = glm::max(max, other.max);
}

bool Box::HitBy(const glm::vec3& origin, const glm::vec3& dir, float t_max, float* entry) const {
  if (Empty())
    return false;
  float t0 = 0;
  float t1 = t_max;
  for (int axis = 0; axis < 3; ++axis) {
    if (std::fabs(dir[axis]) < 1e-30f) {
      if (origin[axis] < min[axis] || origin[axis] > max[axis])
        return false;
      continue;
    }
    const float inverse = 1.0f / dir[axis];
    float near = (min[axis] - origin[axis]) * inverse;
    float far = (max[axis] - origin[axis]) * inverse;
    if (near > far)
      std::swap(near, far);
    t0 = std::max(t0, near);
    t1 = std::min(t1, far);
    if (!(t0 <= t1))
      return false;
  }
  if (entry != nullptr)
    *entry = t0;
  return true;
}

Box Box::Transformed(const glm::mat4& matrix) const {
  Box result;
  if (Empty())
    return result;
  for (int corner = 0; corner < 8; ++corner) {
    const glm::vec3 p((corner & 1) ? max.x : min.x, (corner & 2) ? max.y : min.y,
                      (corner & 4) ? max.z : min.z);
    result.Add(glm::vec3(matrix * glm::vec4(p, 1.0f)));
  }
  return result;
}

void TriangleTree::Build(const std::vector<glm::vec3>& positions,
                         const std::vector<uint32_t>& indices) {
  nodes_.clear();
  corners_.clear();
  bounds_ = Box();
  const auto count = static_cast<uint32_t>(indices.size() / 3);
  triangles_.resize(count);
  std::iota(triangles_.begin(), triangles_.end(), 0u);
  if (count == 0)
    return;

  std::vector<glm::vec3> centroids(count);
  for (uint32_t tri = 0; tri < count; ++tri) {
    centroids[tri] = (positions[indices[3 * tri]] + positions[indices[3 * tri + 1]] +
                      positions[indices[3 * tri + 2]]) /
                     3.0f;
  }
  nodes_.reserve(2 * (count / kLeafSize + 1));
  // BuildNode reads the corners of the triangles through corners_, laid out by triangle id.
  corners_.resize(3 * static_cast<size_t>(count));
  for (uint32_t tri = 0; tri < count; ++tri) {
    for (uint32_t k = 0; k < 3; ++k)
      corners_[3 * tri + k] = positions[indices[3 * tri + k]];
  }
  BuildNode(centroids, 0, count);
  bounds_ = nodes_[0].box;

  // Lay the corners out in leaf order, as a, b - a, c - a: the face test needs nothing else.
  std::vector<glm::vec3> ordered(corners_.size());
  for (uint32_t slot = 0; slot < count; ++slot) {
    const uint32_t tri = triangles_[slot];
    const glm::vec3 a = corners_[3 * tri];
    ordered[3 * slot] = a;
    ordered[3 * slot + 1] = corners_[3 * tri + 1] - a;
    ordered[3 * slot + 2] = corners_[3 * tri + 2] - a;
  }
  corners_ = std::move(ordered);
}

uint32_t TriangleTree::BuildNode(std::vector<glm::vec3>& centroids, uint32_t begin, uint32_t end) {
  const auto index = static_cast<uint32_t>(nodes_.size());
  nodes_.emplace_back();
  Box box;
  Box centre_box;
  for (uint32_t slot = begin; slot < end; ++slot) {
    const uint32_t tri = triangles_[slot];
    for (uint32_t k = 0; k < 3; ++k)
      box.Add(corners_[3 * tri + k]);
    centre_box.Add(centroids[tri]);
  }
  nodes_[index].box = Padded(box);
  if (end - begin <= kLeafSize) {
    nodes_[index].first = begin;
    nodes_[index].count = end - begin;
    return index;
  }
  // A median split on the widest axis of the centres: always two halves, whatever the shape.
  const glm::vec3 extent = centre_box.max - centre_box.min;
  int axis = 0;
  if (extent.y > extent[axis])
    axis = 1;
  if (extent.z > extent[axis])
    axis = 2;
  const uint32_t middle = begin + (end - begin) / 2;
  std::nth_element(triangles_.begin() + begin, triangles_.begin() + middle,
                   triangles_.begin() + end, [&](uint32_t left, uint32_t right) {
                     return centroids[left][axis] < centroids[right][axis];
                   });
  BuildNode(centroids, begin, middle);
  const uint32_t second = BuildNode(centroids, middle, end);
  nodes_[index].first = second;
  return index;
}

void TriangleTree::Pick(const glm::vec3& origin, const glm::vec3& dir, bool nearest_only,
                        std::vector<TriangleHit>& hits) const {
  if (nodes_.empty())
    return;
  constexpr float kFar = std::numeric_limits<float>::infinity();
  float best = kFar;
  uint32_t best_triangle = 0;

  struct Entry {
    uint32_t node;
    float t;
  };
  Entry stack[kStackSize];
  int top = 0;
  float t_root = 0;
  if (!nodes_[0].box.HitBy(origin, dir, kFar, &t_root))
    return;
  stack[top++] = {0, t_root};

  while (top > 0) {
    const Entry entry = stack[--top];
    if (nearest_only && entry.t > best)
      continue;
    const Node& node = nodes_[entry.node];
    if (node.count > 0) {
      for (uint32_t slot = node.first; slot < node.first + node.count; ++slot) {
        const glm::vec3& a = corners_[3 * slot];
        const glm::vec3& e1 = corners_[3 * slot + 1];
        const glm::vec3& e2 = corners_[3 * slot + 2];
        // Moeller-Trumbore without the division until the end; det > 0 is exactly
        // dot(dir, cross(e1, e2)) < 0, a face seen from its front.
        const glm::vec3 p = glm::cross(dir, e2);
        const float det = glm::dot(e1, p);
        if (!(det > 0))
          continue;
        const glm::vec3 s = origin - a;
        const float u = glm::dot(s, p);
        if (u < 0 || u > det)
          continue;
        const glm::vec3 q = glm::cross(s, e1);
        const float v = glm::dot(dir, q);
        if (v < 0 || u + v > det)
          continue;
        const float t = glm::dot(e2, q) / det;
        if (!(t >= 0) || !std::isfinite(t))
          continue;
        if (nearest_only) {
          if (t < best) {
            best = t;
            best_triangle = triangles_[slot];
          }
        } else {
          hits.push_back({triangles_[slot], t});
        }
      }
      continue;
    }
    const uint32_t left = entry.node + 1;
    const uint32_t right = node.first;
    const float limit = nearest_only ? best : kFar;
    float t_left = 0;
    float t_right = 0;
    const bool hit_left = nodes_[left].box.HitBy(origin, dir, limit, &t_left);
    const bool hit_right = nodes_[right].box.HitBy(origin, dir, limit, &t_right);
    // The nearer child goes on top, so that a nearest-only search finds its best face early.
    if (hit_left && hit_right) {
      if (t_left <= t_right) {
        stack[top++] = {right, t_right};
        stack[top++] = {left, t_left};
      } else {
        stack[top++] = {left, t_left};
        stack[top++] = {right, t_right};
      }
    } else if (hit_left) {
      stack[top++] = {left, t_left};
    } else if (hit_right) {
      stack[top++] = {right, t_right};
    }
  }
  if (nearest_only && best < kFar)
    hits.push_back({best_triangle, best});
}

}  // namespace orbelon::scene
