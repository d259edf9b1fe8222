#include "assets/placements.h"

namespace orbelon::assets {

glm::vec3 ToLevel(const glm::vec3& file_point, const Placement& placement) {
  return file_point * placement.scale + placement.translate + placement.frame;
}

Mesh ToFileUnits(const Mesh& level_mesh, const Placement& placement) {
  return Transformed(level_mesh, 1.0f / placement.scale,
                     -(placement.translate + placement.frame) / placement.scale);
}

Mesh ToLevelUnits(const Mesh& file_mesh, const Placement& placement) {
  return Transformed(file_mesh, placement.scale, placement.translate + placement.frame);
}

}  // namespace orbelon::assets
