// Frames: their visuals, placement, orientation, rotations and spins.

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/error.h"
#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"
#include "platform/scene/transforms.h"

namespace orbelon::scene {

namespace {

void RequireFinite(std::initializer_list<float> values, const char* call) {
  for (const float value : values) {
    if (!std::isfinite(value)) {
      throw platform::PlatformError(std::string(call) + ": a value is not a finite number");
    }
  }
}

std::shared_ptr<MeshData> MeshArgument(const MeshBuilder& mesh, const char* call) {
  if (!mesh)
    throw platform::PlatformError(std::string(call) + ": the mesh is Nothing");
  return mesh.Data();
}

// A point of ref in the coordinates of the frame's parent (the world, for a frame of its own).
glm::vec3 PointInParent(FrameNode& self, FrameNode& ref, const glm::vec3& p) {
  if (&ref == &self)
    return glm::vec3(self.matrix * glm::vec4(p, 1.0f));
  const auto parent = self.parent.lock();
  if (parent.get() == &ref)
    return p;
  const glm::vec4 world = WorldOf(ref) * glm::vec4(p, 1.0f);
  return glm::vec3(parent ? InverseWorldOf(*parent) * world : world);
}

glm::vec3 DirectionInParent(FrameNode& self, FrameNode& ref, const glm::vec3& d) {
  if (&ref == &self)
    return glm::vec3(self.matrix * glm::vec4(d, 0.0f));
  const auto parent = self.parent.lock();
  if (parent.get() == &ref)
    return d;
  const glm::vec4 world = WorldOf(ref) * glm::vec4(d, 0.0f);
  return glm::vec3(parent ? InverseWorldOf(*parent) * world : world);
}

// Replaces the frame's axes with unit axes given in ref; the origin stays.
void SetAxes(FrameNode& self, FrameNode& ref, const glm::mat3& axes) {
  glm::vec3 converted[3];
  for (int i = 0; i < 3; ++i)
    converted[i] = DirectionInParent(self, ref, axes[i]);
  for (int i = 0; i < 3; ++i)
    self.matrix[i] = glm::vec4(converted[i], 0.0f);
  ChangeScene();
}

}  // namespace

void Frame::AddVisual(const MeshBuilder& mesh) {
  FrameNode& self = NodeOf(*this, "AddVisual");
  auto data = MeshArgument(mesh, "AddVisual");
  if (std::find(self.visuals.begin(), self.visuals.end(), data) == self.visuals.end()) {
    self.visuals.push_back(std::move(data));
    ChangeScene();
  }
}

void Frame::DeleteVisual(const MeshBuilder& mesh) {
  FrameNode& self = NodeOf(*this, "DeleteVisual");
  const auto data = MeshArgument(mesh, "DeleteVisual");
  const auto found = std::find(self.visuals.begin(), self.visuals.end(), data);
  if (found != self.visuals.end()) {
    self.visuals.erase(found);
    ChangeScene();
  }
}

void Frame::SetPosition(const Frame& ref, float x, float y, float z) {
  FrameNode& self = NodeOf(*this, "SetPosition");
  FrameNode& reference = NodeOf(ref, "SetPosition (reference)");
  RequireFinite({x, y, z}, "SetPosition");
  self.matrix[3] = glm::vec4(PointInParent(self, reference, {x, y, z}), 1.0f);
  ChangeScene();
}

void Frame::GetPosition(const Frame& ref, Vector& position) const {
  FrameNode& self = NodeOf(*this, "GetPosition");
  FrameNode& reference = NodeOf(ref, "GetPosition (reference)");
  if (self.parent.lock().get() == &reference) {
    position = FromGlm(glm::vec3(self.matrix[3]));
    return;
  }
  position = FromGlm(PointBetween(self, reference, {0, 0, 0}));
}

void Frame::SetOrientation(const Frame& ref, float dx, float dy, float dz, float ux, float uy,
                           float uz) {
  FrameNode& self = NodeOf(*this, "SetOrientation");
  FrameNode& reference = NodeOf(ref, "SetOrientation (reference)");
  RequireFinite({dx, dy, dz, ux, uy, uz}, "SetOrientation");
  glm::mat3 axes;
  if (!OrientationBasis({dx, dy, dz}, {ux, uy, uz}, axes)) {
    throw platform::PlatformError(
        "SetOrientation: the up vector is zero or parallel to the "
        "direction");
  }
  SetAxes(self, reference, axes);
}

void Frame::GetOrientation(const Frame& ref, Vector& dir, Vector& up) const {
  FrameNode& self = NodeOf(*this, "GetOrientation");
  FrameNode& reference = NodeOf(ref, "GetOrientation (reference)");
  dir = FromGlm(Normalized(DirectionBetween(self, reference, {0, 0, 1})));
  up = FromGlm(Normalized(DirectionBetween(self, reference, {0, 1, 0})));
}

void Frame::AddRotation(int combine, float x, float y, float z, float theta) {
  FrameNode& self = NodeOf(*this, "AddRotation");
  RequireFinite({x, y, z, theta}, "AddRotation");
  const glm::mat4 rotation(RotationMatrix(Normalized({x, y, z}), theta));
  switch (combine) {
    case D3DRMCOMBINE_REPLACE:
      self.matrix = rotation;
      break;
    case D3DRMCOMBINE_BEFORE:  // about the frame's own axes: M = R * M in row form
      self.matrix = self.matrix * rotation;
      break;
    case D3DRMCOMBINE_AFTER:  // about the parent's axes: M = M * R in row form
      self.matrix = rotation * self.matrix;
      break;
    default:
      throw platform::PlatformError("AddRotation: unknown combine type " + std::to_string(combine));
  }
  ChangeScene();
}

void Frame::SetRotation(const Frame& ref, float x, float y, float z, float theta) {
  FrameNode& self = NodeOf(*this, "SetRotation");
  FrameNode& reference = NodeOf(ref, "SetRotation (reference)");
  RequireFinite({x, y, z, theta}, "SetRotation");
  // A spin with a zero axis still turns about x: the zero vector normalises to (1, 0, 0).
  self.spin_axis = Normalized(DirectionInParent(self, reference, Normalized({x, y, z})));
  self.spin_rate = theta;
}

void Frame::LookAt(const Frame& target, const Frame& ref, int constraint) {
  FrameNode& self = NodeOf(*this, "LookAt");
  FrameNode& aim = NodeOf(target, "LookAt (target)");
  FrameNode& reference = NodeOf(ref, "LookAt (reference)");
  if (constraint != D3DRMCONSTRAIN_Z) {
    throw platform::PlatformError("LookAt: unknown constraint " + std::to_string(constraint));
  }
  const glm::vec3 d =
      PointBetween(aim, reference, {0, 0, 0}) - PointBetween(self, reference, {0, 0, 0});
  glm::mat3 axes;
  // Straight up, straight down or on the target itself there is no level x axis to keep.
  if (glm::length(d) == 0 || !OrientationBasis(d, {0, 1, 0}, axes))
    return;
  SetAxes(self, reference, axes);
}

void Frame::SetSceneBackgroundRGB(float r, float g, float b) {
  FrameNode& self = NodeOf(*this, "SetSceneBackgroundRGB");
  const auto unit = [](float c) { return std::isnan(c) ? 0.0f : std::clamp(c, 0.0f, 1.0f); };
  self.background = {unit(r), unit(g), unit(b)};
}

void Frame::SetSceneBackgroundImage(const Texture& texture) {
  FrameNode& self = NodeOf(*this, "SetSceneBackgroundImage");
  if (!texture)
    throw platform::PlatformError("SetSceneBackgroundImage: the texture is Nothing");
  self.background_image = texture.Data();
}

Frame Frame::GetParent() const {
  FrameNode& self = NodeOf(*this, "GetParent");
  return Frame(self.parent.lock());
}

}  // namespace orbelon::scene
