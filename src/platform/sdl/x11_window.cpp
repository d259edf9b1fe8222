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

std::vector<unsigned long> WindowProperty(Display* display, ::Window window, Atom name, Atom type) {
  std::vector<unsigned long> items;
  Atom found = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long left = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, name, 0, 64, False, type, &found, &format, &count, &left,
                         &data) == Success &&
      data != nullptr) {
    if (found == type && format == 32) {
      const auto* values = reinterpret_cast<const unsigned long*>(data);
      items.assign(values, values + count);
    }
    XFree(data);
  }
  return items;
}

}  // namespace orbelon::sdl
