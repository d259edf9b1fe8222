#include "platform/sdl/screen_copy.h"

#include <SDL_syswm.h>
#include <epoxy/glx.h>

namespace orbelon::sdl {

namespace {

struct X11Window {
  Display* display = nullptr;
  ::Window id = 0;
};

bool FindX11Window(SDL_Window* window, X11Window& found) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
    return false;
  }
  found.display = info.info.x11.display;
  found.id = info.info.x11.window;
  return true;
}

}  // namespace

bool ScreenCopy::Available(SDL_Window* window) {
  if (available_ < 0) {
    X11Window x11;
    // An EGL context under X11 has no GLX context current.
    available_ = FindX11Window(window, x11) && glXGetCurrentContext() != nullptr &&
                         epoxy_has_glx_extension(x11.display, DefaultScreen(x11.display),
                                                 "GLX_MESA_copy_sub_buffer")
                     ? 1
                     : 0;
  }
  return available_ == 1;
}

void ScreenCopy::Copy(SDL_Window* window, const SDL_Rect& rect) {
  X11Window x11;
  if (FindX11Window(window, x11)) {
    glXCopySubBufferMESA(x11.display, x11.id, rect.x, rect.y, rect.w, rect.h);
  }
}

}  // namespace orbelon::sdl
