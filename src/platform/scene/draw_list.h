#pragma once

// What a renderer reads of a scene: every visual under a frame with its world matrix, and the
// scene's background. The renderer never changes the scene.

#include <cstdint>
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "platform/scene/scene.h"

namespace orbelon::scene {

struct TextureView {
  int width = 0;
  int height = 0;
  const std::vector<uint8_t>* rgba = nullptr;  // rows from the top
  bool decal_transparency = false;
  uint32_t transparent_color = 0;  // red in the lowest byte
  uint64_t id = 0;                 // unique per texture, for caching on the GPU
};

struct MeshView {
  // Triangles: three indices each into the vertex arrays.
  const std::vector<glm::vec3>* positions = nullptr;
  const std::vector<glm::vec3>* normals = nullptr;
  // Texture coordinates with v = 0 on the top row of the texture, as the wraps make them.
  const std::vector<glm::vec2>* uvs = nullptr;
  const std::vector<uint32_t>* indices = nullptr;
  glm::vec3 color{1, 1, 1};  // each 0..1
  bool has_texture = false;
  TextureView texture;
  bool has_material = false;
  glm::vec3 specular{1, 1, 1};
  float power = 0;
  uint64_t id = 0;       // unique per mesh
  uint64_t version = 0;  // changes whenever the vertex data changes
};

struct DrawItem {
  // World matrix for column vectors, as OpenGL takes it: world = matrix * (local, 1). The
  // scene's left-handed coordinates are kept as they are.
  glm::mat4 world{1.0f};
  MeshView mesh;
};

struct SceneView {
  glm::vec3 background{0, 0, 0};
  bool has_background_image = false;
  TextureView background_image;
  std::vector<DrawItem> items;
};

// Every visual of the frame and of all frames below it, and the background set on the frame.
SceneView CollectScene(const Frame& scene);

// The camera: its world matrix (column vectors, as above). It looks along its own +z with +y up.
glm::mat4 WorldMatrix(const Frame& frame);

struct ViewportView {
  float field = 0.5f;
  float front = 1.0f;
  float back = 100.0f;
};
ViewportView ReadViewport(const Viewport& viewport);

}  // namespace orbelon::scene
