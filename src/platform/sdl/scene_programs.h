#pragma once

#include <array>
#include <memory>

#include <epoxy/gl.h>

#include "platform/sdl/gl_program.h"

namespace orbelon::sdl {

// How the light of the corners spreads across a face. Every corner is lit (Gouraud), as the
// scene API the game was written for lit its meshes.
//  - Flat: one colour over each face, that of its first corner. Where a face has one normal at
//    its three corners and no highlight, every corner gets the same light anyway, and the
//    renderer is spared spreading it.
//  - Smooth: the light of the corners blended across the face.
//  - Highlight: the same, with the material's highlight worked out at each corner beside it.
enum class Lighting { Flat, Smooth, Highlight };

// The shaders of the scene, each compiled on first use; every program costs about a megabyte
// of memory, and the game's own materials never need the third.
class ScenePrograms {
 public:
  struct Program {
    Program(const char* vertex, const char* fragment);
    GlProgram program;
    GLint world, view_projection, normal_matrix, color, textured, decal, specular, power, eye,
        light_direction, ambient, diffuse;
  };

  Program& For(Lighting lighting);

 private:
  std::array<std::unique_ptr<Program>, 3> programs_;
};

}  // namespace orbelon::sdl
