// Texture wraps: texture coordinates computed once from the vertex positions.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "platform/error.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

void Wrap::Apply(const MeshBuilder& mesh) {
  if (!data_)
    throw platform::PlatformError("Apply: the wrap is Nothing");
  if (!mesh)
    throw platform::PlatformError("Apply: the mesh is Nothing");
  const WrapData& wrap = *data_;
  MeshData& target = *mesh.Data();

  // The wrap's own axes. With the zero-vector rule the game's flat wraps (dir (0, 1, 0), up
  // (0, 0, 0)) get y = (1, 0, 0) and x = (0, 0, 1): u runs with z and v with x.
  const glm::vec3 z = Normalized(wrap.dir);
  const glm::vec3 y = Normalized(wrap.up - glm::dot(wrap.up, z) * z);
  const glm::vec3 x = glm::cross(y, z);
  constexpr float kTwoPi = 2 * std::numbers::pi_v<float>;
  constexpr float kPi = std::numbers::pi_v<float>;

  auto& positions = target.geometry.positions;
  auto& uvs = target.geometry.uvs;
  uvs.resize(positions.size());
  for (size_t i = 0; i < positions.size(); ++i) {
    const glm::vec3 q = positions[i] - wrap.origin;
    const float qx = glm::dot(q, x);
    const float qy = glm::dot(q, y);
    const float qz = glm::dot(q, z);
    if (wrap.type == D3DRMWRAP_FLAT) {
      uvs[i] = {wrap.su * qx - wrap.ou, wrap.sv * qy - wrap.ov};
      continue;
    }
    float angle = std::atan2(qy, qx);
    if (angle < 0)
      angle += kTwoPi;
    if (angle >= kTwoPi)
      angle = 0;  // a hair below zero rounds up to a whole turn
    const float length = glm::length(q);
    // At the wrap's origin itself there is no direction: take the pole.
    const float cosine = length > 0 ? std::clamp(qz / length, -1.0f, 1.0f) : 1.0f;
    uvs[i] = {wrap.su * angle / kTwoPi - wrap.ou, wrap.sv * std::acos(cosine) / kPi - wrap.ov};
  }
  target.Changed(false);
}

}  // namespace orbelon::scene
