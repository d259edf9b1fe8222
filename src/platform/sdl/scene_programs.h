#pragma once

#include <array>
#include <memory>

#include <epoxy/gl.h>

#include "platform/sdl/gl_program.h"

namespace orbelon::sdl {

// How a mesh's surface takes its colour: its own colour alone, times a texture, or times a
// texture whose texels of the transparent colour are left out (decal transparency).
enum class Surface { Plain, Textured, Decal };

// Where the light is worked out. Per pixel in general. Per vertex where that gives the same
// pixels: faces that are flat with their normal across them, and no highlight; there the lit
// colour is the same all over each face, and the software renderer is spared most of its
// cost. With a highlight the view direction changes across a face, so it stays per pixel.
enum class Lighting { PerVertex, PerPixel, PerPixelHighlight };

// The shaders of the scene, one program for each surface and lighting, compiled on first use.
// Each leaves out what its meshes do not need: a renderer in software runs every branch of a
// shader for every pixel, taken or not.
class ScenePrograms {
 public:
  struct Program {
    Program(const char* vertex, const char* fragment);
    GlProgram program;
    GLint world, view_projection, normal_matrix, color, specular, power, eye, light_direction,
        ambient, diffuse;
  };

  Program& For(Surface surface, Lighting lighting);

 private:
  std::array<std::unique_ptr<Program>, 9> programs_;
};

}  // namespace orbelon::sdl
