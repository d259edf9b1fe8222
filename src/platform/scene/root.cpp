// The root of the scene: it makes frames, meshes, textures, wraps, materials and viewports, and
// advances spins.

#include <cmath>
#include <string>

#include "platform/error.h"
#include "platform/files/file_bytes.h"
#include "platform/scene/mesh_file.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

namespace {

void TurnSpins(FrameNode& node, bool& turned) {
  if (node.spin_rate != 0) {
    const glm::mat3 rotation = RotationMatrix(node.spin_axis, node.spin_rate);
    for (int i = 0; i < 3; ++i) {
      node.matrix[i] = glm::vec4(rotation * glm::vec3(node.matrix[i]), 0.0f);
    }
    turned = true;
  }
  for (const auto& child : node.children)
    TurnSpins(*child, turned);
}

}  // namespace

Root::Root(ImageDecoder decoder) : decoder_(std::move(decoder)) {}

Frame Root::CreateFrame(const Frame& parent) {
  auto node = std::make_shared<FrameNode>();
  if (parent) {
    node->parent = parent.Node();
    parent.Node()->children.push_back(node);
  }
  ChangeScene();
  return Frame(std::move(node));
}

MeshBuilder Root::CreateMeshBuilder() {
  auto mesh = std::make_shared<MeshData>();
  mesh->id = NextSceneId();
  mesh->version = NextSceneId();
  return MeshBuilder(std::move(mesh));
}

Texture Root::LoadTexture(const std::string& path) {
  const std::string name = platform::NativePath(path);
  if (!decoder_)
    throw platform::PlatformError("LoadTexture: no image decoder for " + name);
  DecodedImage image = decoder_(name);
  if (image.width <= 0 || image.height <= 0 ||
      image.rgba.size() !=
          static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4) {
    throw platform::PlatformError("The texture file " + name + " holds no usable picture");
  }
  auto texture = std::make_shared<TextureData>();
  texture->width = image.width;
  texture->height = image.height;
  texture->rgba = std::move(image.rgba);
  texture->id = NextSceneId();
  return Texture(std::move(texture));
}

Wrap Root::CreateWrap(int type, const Frame& ref, float ox, float oy, float oz, float dx, float dy,
                      float dz, float ux, float uy, float uz, float ou, float ov, float su,
                      float sv) {
  if (type != D3DRMWRAP_FLAT && type != D3DRMWRAP_SPHERE) {
    throw platform::PlatformError("CreateWrap: unknown wrap type " + std::to_string(type));
  }
  auto wrap = std::make_shared<WrapData>();
  NodeOf(ref, "CreateWrap (reference)");
  wrap->ref = ref.Node();
  wrap->type = type;
  wrap->origin = {ox, oy, oz};
  wrap->dir = {dx, dy, dz};
  wrap->up = {ux, uy, uz};
  wrap->ou = ou;
  wrap->ov = ov;
  wrap->su = su;
  wrap->sv = sv;
  for (const float value : {ox, oy, oz, dx, dy, dz, ux, uy, uz, ou, ov, su, sv}) {
    if (!std::isfinite(value)) {
      throw platform::PlatformError("CreateWrap: a value is not a finite number");
    }
  }
  return Wrap(std::move(wrap));
}

Material Root::CreateMaterial(float power) {
  auto material = std::make_shared<MaterialData>();
  material->power = power;
  return Material(std::move(material));
}

Viewport Root::CreateViewport() {
  return Viewport(std::make_shared<ViewportData>());
}

void Root::Tick(const Frame& scene) {
  bool turned = false;
  TurnSpins(NodeOf(scene, "Tick"), turned);
  if (turned)
    ChangeScene();
}

}  // namespace orbelon::scene
