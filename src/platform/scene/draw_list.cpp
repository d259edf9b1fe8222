#include "platform/scene/draw_list.h"

#include "platform/error.h"
#include "platform/scene/scene_objects.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

namespace {

TextureView ViewOf(const TextureData& texture) {
  TextureView view;
  view.width = texture.width;
  view.height = texture.height;
  view.rgba = &texture.rgba;
  view.decal_transparency = texture.decal_transparency;
  view.transparent_color = texture.transparent_color;
  view.id = texture.id;
  return view;
}

MeshView ViewOf(const MeshData& mesh) {
  MeshView view;
  view.positions = &mesh.geometry.positions;
  view.normals = &mesh.geometry.normals;
  view.uvs = &mesh.geometry.uvs;
  view.indices = &mesh.geometry.indices;
  view.color = mesh.color;
  if (mesh.texture) {
    view.has_texture = true;
    view.texture = ViewOf(*mesh.texture);
  }
  if (mesh.material) {
    view.has_material = true;
    view.specular = mesh.material->specular;
    view.power = mesh.material->power;
  }
  view.id = mesh.id;
  view.version = mesh.version;
  return view;
}

void Collect(FrameNode& node, std::vector<DrawItem>& items) {
  if (!node.visuals.empty()) {
    const glm::mat4& world = WorldOf(node);
    for (const auto& visual : node.visuals) {
      if (visual->geometry.indices.empty())
        continue;
      items.push_back({world, ViewOf(*visual)});
    }
  }
  for (const auto& child : node.children)
    Collect(*child, items);
}

}  // namespace

SceneView CollectScene(const Frame& scene) {
  FrameNode& root = NodeOf(scene, "CollectScene");
  SceneView view;
  view.background = root.background;
  if (root.background_image) {
    view.has_background_image = true;
    view.background_image = ViewOf(*root.background_image);
  }
  Collect(root, view.items);
  return view;
}

glm::mat4 WorldMatrix(const Frame& frame) {
  return WorldOf(NodeOf(frame, "WorldMatrix"));
}

ViewportView ReadViewport(const Viewport& viewport) {
  if (!viewport)
    throw platform::PlatformError("ReadViewport: the viewport is Nothing");
  const ViewportData& data = *viewport.Data();
  return {data.field, data.front, data.back};
}

}  // namespace orbelon::scene
