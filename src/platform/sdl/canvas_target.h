#pragma once

#include <cstdint>
#include <optional>

#include <epoxy/gl.h>
#include <glm/glm.hpp>

namespace orbelon::sdl {

// What a canvas shows behind its scene: the background colour and the background image (its
// texture id, 0 for none, and the colour keyed out of it).
struct BackdropLook {
  glm::vec3 color{0};
  uint64_t image = 0;
  uint32_t keyed_color = 0;
  bool operator==(const BackdropLook&) const = default;
};

// The off-screen picture a canvas draws into: a colour texture (RGB565, the High Color display
// the game was made for, where the driver can make one) with a depth buffer. Beside it, the
// backdrop: the background drawn once into a picture of the same format, copied in at the start
// of every frame. The background changes seldom, and a copy costs far less than drawing a
// stretched image over the whole view in software.
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
  // Binds the backdrop for drawing, made on first use.
  void BindBackdrop();
  // Copies the backdrop over the colour picture and binds the target.
  void CopyBackdrop() const;
  // What the backdrop was last drawn from; nothing before it was drawn.
  const std::optional<BackdropLook>& Backdrop() const { return backdrop_look_; }
  void SetBackdrop(const BackdropLook& look) { backdrop_look_ = look; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool HighColor() const { return high_color_; }
  GLuint ColorTexture() const { return color_; }

 private:
  bool Make(bool high_color);
  GLuint MakeColor() const;
  void Free();

  int width_ = 0;
  int height_ = 0;
  bool high_color_ = false;
  GLuint framebuffer_ = 0;
  GLuint color_ = 0;
  GLuint depth_ = 0;
  GLuint backdrop_framebuffer_ = 0;
  GLuint backdrop_color_ = 0;
  std::optional<BackdropLook> backdrop_look_;
};

}  // namespace orbelon::sdl
