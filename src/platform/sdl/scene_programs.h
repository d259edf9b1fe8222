#pragma once

#include <array>
#include <memory>

#include <epoxy/gl.h>

#include "platform/sdl/gl_program.h"

namespace orbelon::sdl {

// Where the light is worked out. Per pixel in general. Per vertex where that gives the same
// pixels: faces that are flat with their normal across them, and no highlight. There the lit
// colour is the same all over each face, and the software renderer is spared most of its
// cost. With a highlight the view direction changes across a face, so it stays per pixel.
enum class Lighting { PerVertex, PerPixel };

// The two shaders of the scene, each compiled on first use. Only two, though a shader made for
// each kind of surface would run faster: every program costs about a megabyte of memory.
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
  std::array<std::unique_ptr<Program>, 2> programs_;
};

}  // namespace orbelon::sdl
