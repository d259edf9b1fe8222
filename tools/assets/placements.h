#pragma once

// How the game places each mesh file: it scales the file's vertices, translates them (in the
// mesh's units, after the scaling) and hangs the mesh on a frame at some point of the level
// root. The meshes are designed in the level root's units and written in the file's units, so
// that after the game's preparation they land where the levels need them. Every scale,
// translation and frame comes from the game's own description of the levels.

#include <glm/glm.hpp>

#include "assets/mesh.h"
#include "levels/level_data.h"

namespace orbelon::assets {

struct Placement {
  glm::vec3 scale{1.0f};
  glm::vec3 translate{0.0f};
  glm::vec3 frame{0.0f};
};

inline glm::vec3 Vec(const scene::Vector& v) {
  return {v.x, v.y, v.z};
}
// The placement the game gives a mesh prepared by the setting and hung on a frame at the point.
Placement Placed(const levels::MeshSetting& mesh, glm::vec3 frame = glm::vec3(0.0f));

// The file's mesh for a mesh designed in the level root's units.
Mesh ToFileUnits(const Mesh& level_mesh, const Placement& placement);
// The placed mesh, in the level root's units.
Mesh ToLevelUnits(const Mesh& file_mesh, const Placement& placement);

namespace placed {

// The ball's radius; it rests on the boards with its centre at the level's start height, so the
// floors lie this far below it.
constexpr float kBallRadius = 11.0f;
inline float Floor(const levels::LevelData& level) {
  return level.start.y - kBallRadius;
}

inline Placement Board(const levels::LevelData& level) {
  return Placed(level.board);
}
inline Placement Rim(const levels::LevelData& level) {
  return Placed(level.rim, Vec(level.rim_frame_position.value_or(scene::Vector{})));
}
inline Placement Disc(const levels::LevelData& level, glm::vec3 at = glm::vec3(0.0f)) {
  return Placed(level.disc, at);
}
// The UFO's frame flies this high above the level root.
inline float UfoHeight(const levels::LevelData& level) {
  return level.start.y + level.ufo_position.y;
}
// The rage object, grown once more in a level built on top of another.
inline Placement Rage(const levels::LevelData& level) {
  Placement placement = Placed(levels::Shared().rage, Vec(level.rage_position));
  placement.scale *= level.rage_growth;
  return placement;
}

}  // namespace placed
}  // namespace orbelon::assets
