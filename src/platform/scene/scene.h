#pragma once

// The retained-mode scene the game builds and picks: frames in a tree, meshes, textures, wraps,
// materials and the viewport. Left-handed space, row vectors (p_parent = p_local * M). Objects
// are held through handles; an empty handle is "Nothing", and every call through it throws
// PlatformError, as does a call given Nothing for a frame, mesh, texture or material, and every
// other failing call. Placements, angles and scales that are not finite numbers fail too.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orbelon::scene {

struct Vector {
  float x = 0;
  float y = 0;
  float z = 0;
};

// A ray: the direction first, then the origin.
struct Ray {
  Vector dvDir;
  Vector dvPos;
};

// What a pick reports besides the visual: the face, the group and the picked point in the
// reference frame of the pick.
struct PickDesc {
  int32_t ulFaceIdx = 0;
  int32_t lGroupIdx = 0;
  Vector dvPosition;
};

constexpr int D3DRMWRAP_FLAT = 0;
constexpr int D3DRMWRAP_SPHERE = 2;
constexpr int D3DRMCOMBINE_REPLACE = 0;
constexpr int D3DRMCOMBINE_BEFORE = 1;
constexpr int D3DRMCOMBINE_AFTER = 2;
constexpr int D3DRMCONSTRAIN_Z = 0;
constexpr int D3DRMRAYPICK_IGNOREFURTHERPRIMITIVES = 2;

struct FrameNode;
struct MeshData;
struct TextureData;
struct WrapData;
struct MaterialData;
struct ViewportData;
struct PickResult;

class Texture {
 public:
  Texture() = default;
  explicit Texture(std::shared_ptr<TextureData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  // Decal transparency: with it on, texels of exactly the transparent colour are see-through.
  void SetDecalTransparency(int on);
  void SetDecalTransparentColor(uint32_t color);
  const std::shared_ptr<TextureData>& Data() const { return data_; }

 private:
  std::shared_ptr<TextureData> data_;
};

class Material {
 public:
  Material() = default;
  explicit Material(std::shared_ptr<MaterialData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  // The one colour the game sets (the specular colour).
  void SetSpecular(float r, float g, float b);
  const std::shared_ptr<MaterialData>& Data() const { return data_; }

 private:
  std::shared_ptr<MaterialData> data_;
};

// A mesh builder, also the visual that frames show and picks report.
class MeshBuilder {
 public:
  MeshBuilder() = default;
  explicit MeshBuilder(std::shared_ptr<MeshData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  bool operator==(const MeshBuilder& other) const { return data_ == other.data_; }

  // Reads a mesh file (Wavefront OBJ text); throws naming the file when it is missing, empty,
  // damaged or holds absurd coordinates. Replaces what the mesh held.
  void LoadFromFile(const std::string& path);
  void SetName(const std::string& name);
  std::string GetName() const;
  void ScaleMesh(float s);
  void ScaleMesh(float sx, float sy, float sz);
  void Translate(float tx, float ty, float tz);
  void SetColorRGB(float r, float g, float b);
  void SetTexture(const Texture& texture);
  void SetMaterial(const Material& material);
  const std::shared_ptr<MeshData>& Data() const { return data_; }

 private:
  std::shared_ptr<MeshData> data_;
};

class Frame;

class Wrap {
 public:
  Wrap() = default;
  explicit Wrap(std::shared_ptr<WrapData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  // Writes texture coordinates into the mesh's vertices, from their positions now.
  void Apply(const MeshBuilder& mesh);
  const std::shared_ptr<WrapData>& Data() const { return data_; }

 private:
  std::shared_ptr<WrapData> data_;
};

// The list of hits of a pick, nearest first.
class PickArray {
 public:
  PickArray() = default;
  explicit PickArray(std::shared_ptr<PickResult> data) : data_(std::move(data)) {}
  int GetSize() const;
  // Entry i: fills desc and gives the visual; an index past the end (entry 0 of an empty list)
  // throws.
  MeshBuilder GetPickVisual(int index, PickDesc& desc) const;

 private:
  std::shared_ptr<PickResult> data_;
};

class Frame {
 public:
  Frame() = default;
  explicit Frame(std::shared_ptr<FrameNode> node) : node_(std::move(node)) {}
  explicit operator bool() const { return node_ != nullptr; }
  bool operator==(const Frame& other) const { return node_ == other.node_; }

  void AddVisual(const MeshBuilder& mesh);
  // Taking off a visual that is not on the frame changes nothing.
  void DeleteVisual(const MeshBuilder& mesh);
  void SetPosition(const Frame& ref, float x, float y, float z);
  void GetPosition(const Frame& ref, Vector& position) const;
  void SetOrientation(const Frame& ref, float dx, float dy, float dz, float ux, float uy, float uz);
  void GetOrientation(const Frame& ref, Vector& dir, Vector& up) const;
  void AddRotation(int combine, float x, float y, float z, float theta);
  // A steady spin of theta radians each scene tick about the axis read in ref; 0 stops it.
  void SetRotation(const Frame& ref, float x, float y, float z, float theta);
  void LookAt(const Frame& target, const Frame& ref, int constraint);
  PickArray RayPick(const Frame& ref, const Ray& ray, int flags) const;
  void SetSceneBackgroundRGB(float r, float g, float b);
  void SetSceneBackgroundImage(const Texture& texture);

  Frame GetParent() const;
  const std::shared_ptr<FrameNode>& Node() const { return node_; }

 private:
  std::shared_ptr<FrameNode> node_;
};

class Viewport {
 public:
  Viewport() = default;
  explicit Viewport(std::shared_ptr<ViewportData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  void SetBack(float back);
  float GetBack() const;
  void SetField(float field);
  float GetField() const;
  void SetFront(float front);
  float GetFront() const;
  const std::shared_ptr<ViewportData>& Data() const { return data_; }

 private:
  std::shared_ptr<ViewportData> data_;
};

// Decodes a texture file into RGBA; throws PlatformError naming the file. The scene has no image
// decoder of its own: the platform hands it one.
struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};
using ImageDecoder = std::function<DecodedImage(const std::string& path)>;

// The root of the retained-mode API: makes the objects of one scene.
class Root {
 public:
  explicit Root(ImageDecoder decoder);
  // parent may be Nothing: a frame of its own, the root of a scene.
  Frame CreateFrame(const Frame& parent);
  MeshBuilder CreateMeshBuilder();
  Texture LoadTexture(const std::string& path);
  Wrap CreateWrap(int type, const Frame& ref, float ox, float oy, float oz, float dx, float dy,
                  float dz, float ux, float uy, float uz, float ou, float ov, float su, float sv);
  Material CreateMaterial(float power);
  Viewport CreateViewport();

  // Advances the scene below the frame by one tick: every spin turns its frame once.
  static void Tick(const Frame& scene);

 private:
  ImageDecoder decoder_;
};

}  // namespace orbelon::scene
