#pragma once

// What the handles of scene.h hold. Frame matrices are kept in glm's column-vector form: glm
// column i is row i of the row-vector matrix (the frame's x, y, z axes and its origin), so that
// p_parent = p_local * M reads as matrix * (p, 1) and the world matrix is what OpenGL takes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "platform/scene/scene.h"
#include "platform/scene/triangle_tree.h"

namespace orbelon::scene {

struct TextureData {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
  bool decal_transparency = false;
  uint32_t transparent_color = 0;
  uint64_t id = 0;
};

struct MaterialData {
  float power = 0;
  glm::vec3 specular{1, 1, 1};
  glm::vec3 emissive{0, 0, 0};
  glm::vec3 ambient{0, 0, 0};
};

// The vertex data of a mesh: triangles indexing shared vertices.
struct MeshGeometry {
  std::vector<glm::vec3> positions;
  std::vector<glm::vec3> normals;
  std::vector<glm::vec2> uvs;
  std::vector<uint32_t> indices;
  // The face of the file that each triangle came from, as picks report it.
  std::vector<int32_t> face_of_triangle;
};

struct MeshData {
  MeshGeometry geometry;
  std::string name;
  glm::vec3 color{1, 1, 1};
  std::shared_ptr<TextureData> texture;
  std::shared_ptr<MaterialData> material;
  uint64_t id = 0;
  // Changes with every change of the vertex data, uvs included (the renderer re-uploads).
  uint64_t version = 0;
  // Changes only when positions or triangles change; the pick tree follows it.
  uint64_t shape_version = 0;
  TriangleTree tree;
  uint64_t tree_version = 0;

  // The pick tree for the positions as they stand now.
  const TriangleTree& Tree();
  // Marks the vertex data as changed; shape says whether positions or triangles changed too.
  void Changed(bool shape);
};

struct WrapData {
  int type = D3DRMWRAP_FLAT;
  std::shared_ptr<FrameNode> ref;
  glm::vec3 origin{0, 0, 0};
  glm::vec3 dir{0, 0, 1};
  glm::vec3 up{0, 1, 0};
  float ou = 0;
  float ov = 0;
  float su = 1;
  float sv = 1;
};

struct ViewportData {
  float field = 0.5f;
  float front = 1.0f;
  float back = 100.0f;
};

struct FrameNode {
  std::weak_ptr<FrameNode> parent;
  std::vector<std::shared_ptr<FrameNode>> children;
  std::vector<std::shared_ptr<MeshData>> visuals;
  glm::mat4 matrix{1.0f};

  // The steady spin: an axis in the parent's space and radians per tick.
  glm::vec3 spin_axis{1, 0, 0};
  float spin_rate = 0;

  glm::vec3 background{0, 0, 0};
  std::shared_ptr<TextureData> background_image;

  // Caches for picks, valid while the scene revision they were made at stands.
  uint64_t world_revision = 0;
  glm::mat4 world{1.0f};
  glm::mat4 inverse_world{1.0f};
  uint64_t bounds_revision = 0;
  Box subtree_bounds;  // world space: every visual of this frame and of the frames below
};

struct PickHit {
  std::shared_ptr<MeshData> visual;
  PickDesc desc;
  float t = 0;
};

struct PickResult {
  std::vector<PickHit> hits;
};

// Every change that can move a visual or change what a pick meets raises the revision, which
// voids the cached world matrices and bounds of every frame.
uint64_t SceneRevision();
void ChangeScene();

// A fresh id for a mesh or texture, or a fresh version number.
uint64_t NextSceneId();

}  // namespace orbelon::scene
