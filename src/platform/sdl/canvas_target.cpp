#include "platform/sdl/canvas_target.h"

#include <string>

#include "platform/error.h"

namespace orbelon::sdl {

CanvasTarget::CanvasTarget(int width, int height)
    : width_(width < 1 ? 1 : width), height_(height < 1 ? 1 : height) {
  if (!Make(true) && !Make(false)) {
    throw platform::PlatformError("cannot make the canvas's drawing target of " +
                                  std::to_string(width_) + " x " + std::to_string(height_) +
                                  " pixels");
  }
}

CanvasTarget::~CanvasTarget() {
  Free();
}

bool CanvasTarget::CanMakeHighColor() {
  CanvasTarget probe(4, 4);
  return probe.HighColor();
}

GLuint CanvasTarget::MakeColor() const {
  GLuint color = 0;
  glGenTextures(1, &color);
  glBindTexture(GL_TEXTURE_2D, color);
  if (high_color_) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB565, width_, height_, 0, GL_RGB, GL_UNSIGNED_SHORT_5_6_5,
                 nullptr);
  } else {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
  }
  // Shown pixel for pixel in the window.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  return color;
}

bool CanvasTarget::Make(bool high_color) {
  Free();
  high_color_ = high_color;
  color_ = MakeColor();

  glGenRenderbuffers(1, &depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width_, height_);

  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_, 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  // A refused format leaves an error behind; it must not be taken for a later call's.
  while (glGetError() != GL_NO_ERROR) {
  }
  if (!complete) {
    Free();
  }
  return complete;
}

void CanvasTarget::Free() {
  glDeleteFramebuffers(1, &framebuffer_);
  glDeleteRenderbuffers(1, &depth_);
  glDeleteTextures(1, &color_);
  glDeleteFramebuffers(1, &backdrop_framebuffer_);
  glDeleteTextures(1, &backdrop_color_);
  framebuffer_ = depth_ = color_ = backdrop_framebuffer_ = backdrop_color_ = 0;
  backdrop_look_.reset();
}

void CanvasTarget::Bind() const {
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glViewport(0, 0, width_, height_);
}

void CanvasTarget::BindBackdrop() {
  if (backdrop_framebuffer_ == 0) {
    // The same format as the target: the copy is then exact, pixel for pixel.
    backdrop_color_ = MakeColor();
    glGenFramebuffers(1, &backdrop_framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, backdrop_framebuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, backdrop_color_, 0);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, backdrop_framebuffer_);
  glViewport(0, 0, width_, height_);
}

void CanvasTarget::CopyBackdrop() const {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, backdrop_framebuffer_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
  glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  Bind();
}

}  // namespace orbelon::sdl
