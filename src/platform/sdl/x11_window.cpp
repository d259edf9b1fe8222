#include "platform/sdl/x11_window.h"

namespace orbelon::sdl {

std::optional<X11Window> X11WindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
      info.subsystem != SDL_SYSWM_X11) {
    return std::nullopt;
  }
  return X11Window{info.info.x11.display, info.info.x11.window};
}

}  // namespace orbelon::sdl
