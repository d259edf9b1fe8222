// Meshes: loading, naming, and the changes the game makes to their vertices and looks.

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/error.h"
#include "platform/scene/mesh_file.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

namespace {

MeshData& MeshOf(const MeshBuilder& mesh, const char* call) {
  if (!mesh)
    throw platform::PlatformError(std::string(call) + ": the mesh is Nothing");
  return *mesh.Data();
}

void RequireFinite(std::initializer_list<float> values, const char* call) {
  for (const float value : values) {
    if (!std::isfinite(value)) {
      throw platform::PlatformError(std::string(call) + ": a value is not a finite number");
    }
  }
}

float Unit(float c) {
  return std::isnan(c) ? 0.0f : std::clamp(c, 0.0f, 1.0f);
}

}  // namespace

const TriangleTree& MeshData::Tree() {
  if (tree_version != shape_version) {
    tree.Build(geometry.positions, geometry.indices);
    tree_version = shape_version;
  }
  return tree;
}

void MeshData::Changed(bool shape) {
  version = NextSceneId();
  if (shape) {
    shape_version = version;
    ChangeScene();
  }
}

void MeshBuilder::LoadFromFile(const std::string& path) {
  MeshData& mesh = MeshOf(*this, "LoadFromFile");
  mesh.geometry = ReadMeshFile(path);
  mesh.Changed(true);
}

void MeshBuilder::SetName(const std::string& name) {
  MeshOf(*this, "SetName").name = name;
}

std::string MeshBuilder::GetName() const {
  return MeshOf(*this, "GetName").name;
}

void MeshBuilder::ScaleMesh(float s) {
  ScaleMesh(s, s, s);
}

void MeshBuilder::ScaleMesh(float sx, float sy, float sz) {
  MeshData& mesh = MeshOf(*this, "ScaleMesh");
  RequireFinite({sx, sy, sz}, "ScaleMesh");
  const glm::vec3 scale(sx, sy, sz);
  // Normals go through the cofactors of the scaling, so that they stay at right angles to the
  // faces and on the side the winding makes the front.
  const glm::vec3 cofactor(sy * sz, sx * sz, sx * sy);
  for (auto& p : mesh.geometry.positions)
    p *= scale;
  for (auto& n : mesh.geometry.normals)
    n = Normalized(n * cofactor);
  mesh.Changed(true);
}

void MeshBuilder::Translate(float tx, float ty, float tz) {
  MeshData& mesh = MeshOf(*this, "Translate");
  RequireFinite({tx, ty, tz}, "Translate");
  const glm::vec3 offset(tx, ty, tz);
  for (auto& p : mesh.geometry.positions)
    p += offset;
  mesh.Changed(true);
}

void MeshBuilder::SetColorRGB(float r, float g, float b) {
  MeshOf(*this, "SetColorRGB").color = {Unit(r), Unit(g), Unit(b)};
}

void MeshBuilder::SetTexture(const Texture& texture) {
  MeshData& mesh = MeshOf(*this, "SetTexture");
  if (!texture)
    throw platform::PlatformError("SetTexture: the texture is Nothing");
  mesh.texture = texture.Data();
}

void MeshBuilder::SetMaterial(const Material& material) {
  MeshData& mesh = MeshOf(*this, "SetMaterial");
  if (!material)
    throw platform::PlatformError("SetMaterial: the material is Nothing");
  mesh.material = material.Data();
}

}  // namespace orbelon::scene
