#pragma once

// How the game places each mesh file: it scales the file's vertices, translates them (in the
// mesh's units, after the scaling) and hangs the mesh on a frame at some point of the level
// root. The meshes are designed in the level root's units and written in the file's units, so
// that after the game's preparation they land where the levels need them.

#include <glm/glm.hpp>

#include "assets/mesh.h"

namespace orbelon::assets {

struct Placement {
  glm::vec3 scale{1.0f};
  glm::vec3 translate{0.0f};
  glm::vec3 frame{0.0f};
};

// Where a file's point ends up in the level root.
glm::vec3 ToLevel(const glm::vec3& file_point, const Placement& placement);
// The file's mesh for a mesh designed in the level root's units.
Mesh ToFileUnits(const Mesh& level_mesh, const Placement& placement);
// The placed mesh, in the level root's units.
Mesh ToLevelUnits(const Mesh& file_mesh, const Placement& placement);
// The placement with its frame at the root's origin: for meshes designed about their frame.
inline Placement AboutFrame(Placement placement) {
  placement.frame = glm::vec3(0.0f);
  return placement;
}

namespace placed {

// The ball's centre above the board in each level, and so the floor heights the boards give.
constexpr float kStartY1 = 15.0f;
constexpr float kStartY2 = 11.0f;
constexpr float kBallRadius = 11.0f;
constexpr float kFloor1 = 4.0f;
constexpr float kFloor2 = 0.0f;
// The floor picks start this far above the ball's centre.
constexpr float kPickLift = 7.0f;

inline Placement Board1() {
  return {glm::vec3(3.0f), {}, {}};
}
inline Placement Bridge() {
  return {{1.12f, 1.15f, 1.12f}, {0.0f, 0.0f, 1.0f}, {}};
}
inline Placement Rim1() {
  return {glm::vec3(3.0f), {}, {0.0f, -5.0f, 0.0f}};
}
inline Placement Board2() {
  return {glm::vec3(4.0f), {}, {}};
}
inline Placement Rim2() {
  return {glm::vec3(4.0f), {0.0f, -3.0f, 0.0f}, {}};
}

inline Placement Disc1(const glm::vec3& at) {
  return {{1.0f, 2.0f, 1.0f}, {}, at};
}
inline Placement Disc2(const glm::vec3& at) {
  return {glm::vec3(1.0f), {}, at};
}
inline Placement Tele(const glm::vec3& at) {
  return {glm::vec3(0.2f), {}, at};
}
inline Placement TeleBase(const glm::vec3& at) {
  return {glm::vec3(0.08f), {0.0f, -25.0f, 0.0f}, at};
}
inline Placement Pill(const glm::vec3& at) {
  return {glm::vec3(0.08f), {}, at};
}
inline Placement UfoBody(float start_y) {
  return {glm::vec3(0.15f), {0.0f, 2.0f, 0.0f}, {0.0f, start_y + 69.0f, 0.0f}};
}
inline Placement UfoShell(float start_y) {
  return {glm::vec3(0.2f), {}, {0.0f, start_y + 69.0f, 0.0f}};
}
inline Placement Beam(float start_y) {
  return {{0.5f, 0.3f, 0.5f}, {0.0f, -15.0f, 0.0f}, {0.0f, start_y + 49.0f, 0.0f}};
}
inline Placement Rage1() {
  return {glm::vec3(3.0f), {}, {0.0f, -10.0f, 0.0f}};
}
inline Placement Rage2() {
  return {glm::vec3(3.0f * 1.07f), {}, {0.0f, -10.0f, 0.0f}};
}
inline Placement Ant() {
  return {glm::vec3(0.4f), {}, {}};
}
inline Placement Particle() {
  return {glm::vec3(0.01f), {}, {}};
}

}  // namespace placed
}  // namespace orbelon::assets
