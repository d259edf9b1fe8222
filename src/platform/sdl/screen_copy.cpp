#include "platform/sdl/screen_copy.h"

#include <epoxy/glx.h>

#include "platform/sdl/x11_window.h"

namespace orbelon::sdl {

bool ScreenCopy::Available(SDL_Window* window) {
  if (available_ < 0) {
    const std::optional<X11Window> x11 = X11WindowOf(window);
    // An EGL context under X11 has no GLX context current.
    available_ = x11 && glXGetCurrentContext() != nullptr &&
                         epoxy_has_glx_extension(x11->display, DefaultScreen(x11->display),
                                                 "GLX_MESA_copy_sub_buffer")
                     ? 1
                     : 0;
  }
  return available_ == 1;
}

void ScreenCopy::Copy(SDL_Window* window, const SDL_Rect& rect) {
  if (const std::optional<X11Window> x11 = X11WindowOf(window)) {
    glXCopySubBufferMESA(x11->display, x11->id, rect.x, rect.y, rect.w, rect.h);
  }
}

}  // namespace orbelon::sdl
