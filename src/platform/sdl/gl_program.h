#pragma once

#include <epoxy/gl.h>

namespace orbelon::sdl {

// A linked shader program; throws PlatformError with the compiler's log when the driver refuses
// the source.
class GlProgram {
 public:
  GlProgram(const char* vertex_source, const char* fragment_source, const char* what);
  ~GlProgram();
  GlProgram(const GlProgram&) = delete;
  GlProgram& operator=(const GlProgram&) = delete;

  GLuint Id() const { return id_; }
  GLint Uniform(const char* name) const { return glGetUniformLocation(id_, name); }

 private:
  GLuint id_ = 0;
};

// Draws a texture over the whole of the current viewport: the form's picture, the canvas's
// image in its rectangle, the scene's background image.
class QuadDrawer {
 public:
  QuadDrawer();
  ~QuadDrawer();
  QuadDrawer(const QuadDrawer&) = delete;
  QuadDrawer& operator=(const QuadDrawer&) = delete;

  // rows_from_top: the texture holds its top row first (uploaded from a surface), so it is
  // turned upside down to stand upright in OpenGL's bottom-up viewport.
  void Draw(GLuint texture, bool rows_from_top);

 private:
  GlProgram program_;
  GLuint vertex_array_ = 0;
  GLint flip_ = -1;
};

}  // namespace orbelon::sdl
