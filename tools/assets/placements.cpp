#include "assets/placements.h"

namespace orbelon::assets {

Placement Placed(const levels::MeshSetting& mesh, glm::vec3 frame) {
  Placement placement;
  placement.scale = mesh.scale ? Vec(*mesh.scale) : glm::vec3(1.0f);
  placement.translate = mesh.translation ? Vec(*mesh.translation) : glm::vec3(0.0f);
  placement.frame = frame;
  return placement;
}

Mesh ToFileUnits(const Mesh& level_mesh, const Placement& placement) {
  return Transformed(level_mesh, 1.0f / placement.scale,
                     -(placement.translate + placement.frame) / placement.scale);
}

Mesh ToLevelUnits(const Mesh& file_mesh, const Placement& placement) {
  return Transformed(file_mesh, placement.scale, placement.translate + placement.frame);
}

}  // namespace orbelon::assets
