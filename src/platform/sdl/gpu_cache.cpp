#include "platform/sdl/gpu_cache.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <glm/geometric.hpp>

namespace orbelon::sdl {

namespace {

// About three seconds of play: a visual taken off and put back soon after is not sent again.
constexpr uint64_t kFramesKept = 100;

void FreeMesh(GpuCache::Mesh& mesh) {
  glDeleteVertexArrays(1, &mesh.vertex_array);
  glDeleteBuffers(1, &mesh.vertex_buffer);
  glDeleteBuffers(1, &mesh.index_buffer);
}

void Bound(GpuCache::Mesh& mesh, const std::vector<glm::vec3>& positions,
           const std::vector<uint32_t>& triangles) {
  if (triangles.empty()) {
    return;
  }
  glm::vec3 low = positions[triangles[0]];
  glm::vec3 high = low;
  for (uint32_t index : triangles) {
    low = glm::min(low, positions[index]);
    high = glm::max(high, positions[index]);
  }
  mesh.center = (low + high) * 0.5f;
  mesh.radius = 0;
  for (uint32_t index : triangles) {
    mesh.radius = std::max(mesh.radius, glm::distance(mesh.center, positions[index]));
  }
}

}  // namespace

bool FlatFaces(const std::vector<glm::vec3>& positions, const std::vector<glm::vec3>& normals,
               const std::vector<uint32_t>& triangles) {
  if (normals.size() < positions.size()) {
    return false;
  }
  for (size_t i = 0; i + 2 < triangles.size(); i += 3) {
    const glm::vec3& a = positions[triangles[i]];
    const glm::vec3 across =
        glm::cross(positions[triangles[i + 1]] - a, positions[triangles[i + 2]] - a);
    const float size = glm::length(across);
    if (size == 0) {
      continue;
    }
    const glm::vec3& n = normals[triangles[i]];
    if (normals[triangles[i + 1]] != n || normals[triangles[i + 2]] != n || glm::length(n) == 0 ||
        std::abs(glm::dot(across, n)) < 0.99999f * size * glm::length(n)) {
      return false;
    }
  }
  return true;
}

GpuCache::~GpuCache() {
  for (auto& [id, mesh] : meshes_) {
    FreeMesh(mesh);
  }
  for (auto& [id, texture] : textures_) {
    glDeleteTextures(1, &texture.id);
  }
}

const GpuCache::Mesh& GpuCache::MeshBuffers(const scene::MeshView& mesh) {
  auto [it, made] = meshes_.try_emplace(mesh.id);
  Mesh& entry = it->second;
  if (made) {
    glGenVertexArrays(1, &entry.vertex_array);
    glGenBuffers(1, &entry.vertex_buffer);
    glGenBuffers(1, &entry.index_buffer);
    Upload(entry, mesh);
  } else if (entry.version != mesh.version) {
    Upload(entry, mesh);
  }
  entry.last_frame = frame_;
  return entry;
}

void GpuCache::Upload(Mesh& target, const scene::MeshView& mesh) {
  static const std::vector<glm::vec3> kNoVectors;
  static const std::vector<glm::vec2> kNoUvs;
  static const std::vector<uint32_t> kNoIndices;
  const auto& positions = mesh.positions ? *mesh.positions : kNoVectors;
  const auto& normals = mesh.normals ? *mesh.normals : kNoVectors;
  const auto& uvs = mesh.uvs ? *mesh.uvs : kNoUvs;
  const auto& indices = mesh.indices ? *mesh.indices : kNoIndices;

  // Interleaved: position, normal, uv. Missing normals and uvs are zero.
  std::vector<float> vertices;
  vertices.reserve(positions.size() * 8);
  for (size_t i = 0; i < positions.size(); ++i) {
    glm::vec3 n = i < normals.size() ? normals[i] : glm::vec3(0);
    glm::vec2 uv = i < uvs.size() ? uvs[i] : glm::vec2(0);
    vertices.insert(vertices.end(),
                    {positions[i].x, positions[i].y, positions[i].z, n.x, n.y, n.z, uv.x, uv.y});
  }
  // A triangle that names a vertex the mesh does not have is left out rather than read past
  // the buffer's end.
  std::vector<uint32_t> valid;
  valid.reserve(indices.size());
  for (size_t i = 0; i + 2 < indices.size(); i += 3) {
    if (indices[i] < positions.size() && indices[i + 1] < positions.size() &&
        indices[i + 2] < positions.size()) {
      valid.insert(valid.end(), {indices[i], indices[i + 1], indices[i + 2]});
    }
  }

  glBindVertexArray(target.vertex_array);
  glBindBuffer(GL_ARRAY_BUFFER, target.vertex_buffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(float)),
               vertices.data(), GL_STATIC_DRAW);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, target.index_buffer);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(valid.size() * sizeof(uint32_t)),
               valid.data(), GL_STATIC_DRAW);
  constexpr GLsizei stride = 8 * sizeof(float);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(3 * sizeof(float)));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(6 * sizeof(float)));
  glBindVertexArray(0);
  target.index_count = static_cast<GLsizei>(valid.size());
  target.flat_faces = FlatFaces(positions, normals, valid);
  Bound(target, positions, valid);
  target.version = mesh.version;
}

GLuint GpuCache::TextureId(const scene::TextureView& texture) {
  auto [it, made] = textures_.try_emplace(texture.id);
  Texture& entry = it->second;
  if (made) {
    glGenTextures(1, &entry.id);
    Upload(entry, texture);
  } else if (entry.keyed_color != texture.transparent_color) {
    Upload(entry, texture);
  } else {
    glBindTexture(GL_TEXTURE_2D, entry.id);
  }
  if (made || entry.nearest != texture.decal_transparency) {
    entry.nearest = texture.decal_transparency;
    SetFilter(entry.nearest);
  }
  // The smaller copies only when a filter reads them: decals are read texel by texel.
  if (!entry.nearest && !entry.mipmapped) {
    glGenerateMipmap(GL_TEXTURE_2D);
    entry.mipmapped = true;
  }
  entry.last_frame = frame_;
  return entry.id;
}

void GpuCache::Upload(Texture& target, const scene::TextureView& texture) {
  glBindTexture(GL_TEXTURE_2D, target.id);
  int width = texture.width;
  int height = texture.height;
  std::vector<uint8_t> texels;
  size_t count =
      static_cast<size_t>(width > 0 ? width : 0) * static_cast<size_t>(height > 0 ? height : 0);
  if (texture.rgba == nullptr || count == 0 || texture.rgba->size() < count * 4) {
    // Nothing usable to show: one white texel, so the mesh keeps its colour.
    width = height = 1;
    texels = {255, 255, 255, 255};
  } else {
    texels.assign(texture.rgba->begin(), texture.rgba->begin() + static_cast<ptrdiff_t>(count * 4));
    const uint8_t key[3] = {static_cast<uint8_t>(texture.transparent_color & 0xff),
                            static_cast<uint8_t>(texture.transparent_color >> 8 & 0xff),
                            static_cast<uint8_t>(texture.transparent_color >> 16 & 0xff)};
    for (size_t i = 0; i < count; ++i) {
      uint8_t* texel = &texels[i * 4];
      bool keyed = texel[0] == key[0] && texel[1] == key[1] && texel[2] == key[2];
      texel[3] = keyed ? 0 : 255;
    }
  }
  // Rows go up from the top: uv (0, 0) is the picture's top-left corner, as the mesh's uvs mean.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               texels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  target.keyed_color = texture.transparent_color;
  target.mipmapped = false;
}

void GpuCache::SetFilter(bool nearest) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  nearest ? GL_NEAREST : GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, nearest ? GL_NEAREST : GL_LINEAR);
}

void GpuCache::EndFrame() {
  for (auto it = meshes_.begin(); it != meshes_.end();) {
    if (frame_ - it->second.last_frame >= kFramesKept) {
      FreeMesh(it->second);
      it = meshes_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto it = textures_.begin(); it != textures_.end();) {
    if (frame_ - it->second.last_frame >= kFramesKept) {
      glDeleteTextures(1, &it->second.id);
      it = textures_.erase(it);
    } else {
      ++it;
    }
  }
  ++frame_;
}

}  // namespace orbelon::sdl
