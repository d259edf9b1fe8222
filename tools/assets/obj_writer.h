#pragma once

// Writes a mesh as Wavefront OBJ text: positions, texture coordinates and normals each listed
// once, faces as 1-based v/vt/vn triples.

#include <string>

#include "assets/mesh.h"

namespace orbelon::assets {

std::string ObjText(const Mesh& mesh, const std::string& title);

}  // namespace orbelon::assets
