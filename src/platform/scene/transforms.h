#pragma once

// The arithmetic of frames: rotations, bases, world matrices. Everything here uses glm's column
// form of the row-vector matrices (see scene_objects.h).

#include <glm/glm.hpp>

#include "platform/scene/scene.h"
#include "platform/scene/scene_objects.h"

namespace orbelon::scene {

// Unit length; the zero vector (or one that cannot be normalised) becomes (1, 0, 0).
glm::vec3 Normalized(const glm::vec3& v);

// Turns a vector by angle about the unit axis: positive angles about +z turn x toward +y.
glm::mat3 RotationMatrix(const glm::vec3& unit_axis, float angle);

// The axes of SetOrientation: z along dir, y the part of up across z, x = y x z. False when up
// has no part across dir (parallel or zero).
bool OrientationBasis(const glm::vec3& dir, const glm::vec3& up, glm::mat3& axes);

// The frame's world matrix and its inverse, cached per scene revision.
const glm::mat4& WorldOf(FrameNode& node);
const glm::mat4& InverseWorldOf(FrameNode& node);

// The node of a handle; throws PlatformError naming the call when the handle is Nothing.
FrameNode& NodeOf(const Frame& frame, const char* call);

glm::vec3 ToGlm(const Vector& v);
Vector FromGlm(const glm::vec3& v);

// A point or direction of frame `from` in the coordinates of frame `to`.
glm::vec3 PointBetween(FrameNode& from, FrameNode& to, const glm::vec3& p);
glm::vec3 DirectionBetween(FrameNode& from, FrameNode& to, const glm::vec3& d);

}  // namespace orbelon::scene
