// Picks: a ray against every visual under a frame, nearest first. Subtrees whose world bounds
// the ray misses are skipped whole; each mesh answers from its own triangle tree.

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/error.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

namespace {

// The world bounds of everything under the frame, for the scene as it stands.
const Box& SubtreeBounds(FrameNode& node) {
  const uint64_t now = SceneRevision();
  if (node.bounds_revision != now) {
    Box box;
    const glm::mat4& world = WorldOf(node);
    for (const auto& visual : node.visuals)
      box.Add(visual->Tree().Bounds().Transformed(world));
    for (const auto& child : node.children)
      box.Add(SubtreeBounds(*child));
    node.subtree_bounds = box;
    node.bounds_revision = now;
  }
  return node.subtree_bounds;
}

struct PickSearch {
  glm::vec3 origin;  // world
  glm::vec3 dir;     // world; t along it is t along the ray as given
  bool nearest_only = false;
  std::vector<PickHit>* hits = nullptr;
  std::vector<TriangleHit> found;

  void Visit(FrameNode& node) {
    if (!SubtreeBounds(node).HitBy(origin, dir, std::numeric_limits<float>::infinity()))
      return;
    if (!node.visuals.empty()) {
      const glm::mat4& inverse = InverseWorldOf(node);
      const glm::vec3 local_origin(inverse * glm::vec4(origin, 1.0f));
      const glm::vec3 local_dir(inverse * glm::vec4(dir, 0.0f));
      for (const auto& visual : node.visuals) {
        found.clear();
        visual->Tree().Pick(local_origin, local_dir, nearest_only, found);
        for (const TriangleHit& hit : found) {
          PickHit pick;
          pick.visual = visual;
          pick.desc.ulFaceIdx = visual->geometry.face_of_triangle[hit.triangle];
          pick.t = hit.t;
          hits->push_back(std::move(pick));
        }
      }
    }
    for (const auto& child : node.children)
      Visit(*child);
  }
};

PickResult& ResultOf(const std::shared_ptr<PickResult>& data, const char* call) {
  if (!data)
    throw platform::PlatformError(std::string(call) + ": the pick array is Nothing");
  return *data;
}

}  // namespace

PickArray Frame::RayPick(const Frame& ref, const Ray& ray, int flags) const {
  FrameNode& self = NodeOf(*this, "RayPick");
  FrameNode& reference = NodeOf(ref, "RayPick (reference)");
  const glm::vec3 origin = ToGlm(ray.dvPos);
  const glm::vec3 dir = ToGlm(ray.dvDir);
  for (int axis = 0; axis < 3; ++axis) {
    if (!std::isfinite(origin[axis]) || !std::isfinite(dir[axis])) {
      throw platform::PlatformError("RayPick: the ray is not made of finite numbers");
    }
  }
  auto result = std::make_shared<PickResult>();
  if (glm::length(dir) > 0) {
    const glm::mat4& world = WorldOf(reference);
    PickSearch search;
    search.origin = glm::vec3(world * glm::vec4(origin, 1.0f));
    search.dir = glm::vec3(world * glm::vec4(dir, 0.0f));
    search.nearest_only = (flags & D3DRMRAYPICK_IGNOREFURTHERPRIMITIVES) != 0;
    search.hits = &result->hits;
    search.Visit(self);
  }
  std::stable_sort(result->hits.begin(), result->hits.end(),
                   [](const PickHit& a, const PickHit& b) { return a.t < b.t; });
  // The picked point straight from the ray in ref: no trip through the world and back.
  for (PickHit& hit : result->hits)
    hit.desc.dvPosition = FromGlm(origin + hit.t * dir);
  return PickArray(std::move(result));
}

int PickArray::GetSize() const {
  return static_cast<int>(ResultOf(data_, "GetSize").hits.size());
}

MeshBuilder PickArray::GetPickVisual(int index, PickDesc& desc) const {
  const PickResult& result = ResultOf(data_, "GetPickVisual");
  if (index < 0 || static_cast<size_t>(index) >= result.hits.size()) {
    throw platform::PlatformError("GetPickVisual: the pick has no entry " + std::to_string(index) +
                                  " (it holds " + std::to_string(result.hits.size()) + ")");
  }
  desc = result.hits[static_cast<size_t>(index)].desc;
  return MeshBuilder(result.hits[static_cast<size_t>(index)].visual);
}

}  // namespace orbelon::scene
