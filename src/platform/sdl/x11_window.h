#pragma once

// The X11 side of an SDL window, for the few things SDL has no call for. Included only where
// X11's headers may come in: they define names such as None and Status that clash elsewhere.

#include <optional>

#include <SDL.h>
#include <SDL_syswm.h>

namespace orbelon::sdl {

struct X11Window {
  Display* display = nullptr;
  ::Window id = 0;
};

// Nothing where the window is not an X11 one (Wayland, the offscreen driver).
std::optional<X11Window> X11WindowOf(SDL_Window* window);

}  // namespace orbelon::sdl
