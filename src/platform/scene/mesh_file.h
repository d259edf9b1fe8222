#pragma once

// Mesh files: Wavefront OBJ text, read into triangles with vertex normals and texture
// coordinates. Every failure throws PlatformError naming the file.

#include <string>

#include "platform/scene/scene_objects.h"

namespace orbelon::scene {

// Coordinates beyond this are taken for a damaged file rather than a mesh.
constexpr float kLargestCoordinate = 1e6f;

MeshGeometry ReadMeshFile(const std::string& path);

// The same from text already read; `name` is the file named in a failure.
MeshGeometry ParseMeshText(const std::string& text, const std::string& name);

// Throws naming the file and the line when the text is not a mesh file that we read: only the
// statements of meshes, numbers that are numbers, faces of 3 to 255 corners.
void CheckMeshText(const std::string& text, const std::string& name);

}  // namespace orbelon::scene
