#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include <epoxy/gl.h>

#include "platform/scene/draw_list.h"

namespace orbelon::sdl {

// Vertex buffers by mesh id and version, and textures by id, kept on the GPU between frames.
// What a frame did not draw for a while is freed, so that torn-down levels leave nothing behind.
class GpuCache {
 public:
  GpuCache() = default;
  ~GpuCache();
  GpuCache(const GpuCache&) = delete;
  GpuCache& operator=(const GpuCache&) = delete;

  struct Mesh {
    GLuint vertex_array = 0;
    GLuint vertex_buffer = 0;
    GLuint index_buffer = 0;
    GLsizei index_count = 0;
    // Every triangle flat, with one normal at its three corners standing square on it.
    bool flat_faces = false;
    // A ball around every corner that a triangle uses, in the mesh's own space.
    glm::vec3 center{0.0f};
    float radius = 0;
    uint64_t version = 0;
    uint64_t last_frame = 0;
  };

  // The mesh's buffers, made or refreshed when its vertex data changed.
  const Mesh& MeshBuffers(const scene::MeshView& mesh);
  // The texture with the alpha of every texel of the transparent colour at 0, for decal
  // transparency; nearest filtering when that is on, so that only exact texels drop out.
  GLuint TextureId(const scene::TextureView& texture);
  // Ends a frame: frees what has not been drawn in the last frames.
  void EndFrame();

 private:
  struct Texture {
    GLuint id = 0;
    uint32_t keyed_color = 0;
    bool nearest = false;
    bool mipmapped = false;
    uint64_t last_frame = 0;
  };
  void Upload(Mesh& target, const scene::MeshView& mesh);
  void Upload(Texture& target, const scene::TextureView& texture);
  static void SetFilter(bool nearest);

  uint64_t frame_ = 1;
  std::unordered_map<uint64_t, Mesh> meshes_;
  std::unordered_map<uint64_t, Texture> textures_;
};

// Whether each triangle has the same normal at its three corners, standing square on it (within
// the rounding of the positions); a missing or zero normal is not flat. Then every point of a face
// is lit alike, whichever side the camera sees it from. Triangles without area show nothing and
// do not count.
bool FlatFaces(const std::vector<glm::vec3>& positions, const std::vector<glm::vec3>& normals,
               const std::vector<uint32_t>& triangles);

}  // namespace orbelon::sdl
