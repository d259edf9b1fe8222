#include "platform/scene/transforms.h"

#include <atomic>
#include <cmath>
#include <string>

#include "platform/error.h"

namespace orbelon::scene {

namespace {

std::atomic<uint64_t> revision{1};
std::atomic<uint64_t> last_id{0};

}  // namespace

uint64_t SceneRevision() {
  return revision.load(std::memory_order_relaxed);
}

void ChangeScene() {
  revision.fetch_add(1, std::memory_order_relaxed);
}

uint64_t NextSceneId() {
  return last_id.fetch_add(1, std::memory_order_relaxed) + 1;
}

glm::vec3 Normalized(const glm::vec3& v) {
  const float length = glm::length(v);
  if (!(length > 0) || !std::isfinite(length))
    return {1, 0, 0};
  return v / length;
}

glm::mat3 RotationMatrix(const glm::vec3& unit_axis, float angle) {
  const float x = unit_axis.x;
  const float y = unit_axis.y;
  const float z = unit_axis.z;
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  const float k = 1 - c;
  glm::mat3 r;
  r[0] = {k * x * x + c, k * x * y + s * z, k * x * z - s * y};
  r[1] = {k * x * y - s * z, k * y * y + c, k * y * z + s * x};
  r[2] = {k * x * z + s * y, k * y * z - s * x, k * z * z + c};
  return r;
}

bool OrientationBasis(const glm::vec3& dir, const glm::vec3& up, glm::mat3& axes) {
  const glm::vec3 z = Normalized(dir);
  const glm::vec3 across = up - glm::dot(up, z) * z;
  const float length = glm::length(across);
  if (!(length > 1e-6f * glm::length(up)) || !std::isfinite(length))
    return false;
  const glm::vec3 y = across / length;
  axes[0] = glm::cross(y, z);
  axes[1] = y;
  axes[2] = z;
  return true;
}

const glm::mat4& WorldOf(FrameNode& node) {
  const uint64_t now = SceneRevision();
  if (node.world_revision != now) {
    const auto parent = node.parent.lock();
    node.world = parent ? WorldOf(*parent) * node.matrix : node.matrix;
    node.inverse_world = glm::inverse(node.world);
    node.world_revision = now;
  }
  return node.world;
}

const glm::mat4& InverseWorldOf(FrameNode& node) {
  WorldOf(node);
  return node.inverse_world;
}

FrameNode& NodeOf(const Frame& frame, const char* call) {
  if (!frame)
    throw platform::PlatformError(std::string(call) + ": the frame is Nothing");
  return *frame.Node();
}

glm::vec3 ToGlm(const Vector& v) {
  return {v.x, v.y, v.z};
}

Vector FromGlm(const glm::vec3& v) {
  return {v.x, v.y, v.z};
}

glm::vec3 PointBetween(FrameNode& from, FrameNode& to, const glm::vec3& p) {
  if (&from == &to)
    return p;
  return glm::vec3(InverseWorldOf(to) * (WorldOf(from) * glm::vec4(p, 1.0f)));
}

glm::vec3 DirectionBetween(FrameNode& from, FrameNode& to, const glm::vec3& d) {
  if (&from == &to)
    return d;
  return glm::vec3(InverseWorldOf(to) * (WorldOf(from) * glm::vec4(d, 0.0f)));
}

}  // namespace orbelon::scene
