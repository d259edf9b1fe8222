#pragma once

#include <epoxy/gl.h>

namespace orbelon::sdl {

// The off-screen picture a canvas draws into: a colour texture (RGB565, the High Color display
// the game was made for, where the driver can make one) with a depth buffer.
class CanvasTarget {
 public:
  // Throws PlatformError when the driver cannot make a complete target of either depth.
  CanvasTarget(int width, int height);
  ~CanvasTarget();
  CanvasTarget(const CanvasTarget&) = delete;
  CanvasTarget& operator=(const CanvasTarget&) = delete;

  // Whether a 16-bit target can be made here at all; needs a current context.
  static bool CanMakeHighColor();

  void Bind() const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool HighColor() const { return high_color_; }
  GLuint ColorTexture() const { return color_; }

 private:
  bool Make(bool high_color);
  void Free();

  int width_ = 0;
  int height_ = 0;
  bool high_color_ = false;
  GLuint framebuffer_ = 0;
  GLuint color_ = 0;
  GLuint depth_ = 0;
};

}  // namespace orbelon::sdl
