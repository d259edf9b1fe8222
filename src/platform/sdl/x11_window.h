#pragma once

// The X11 side of an SDL window, for the few things SDL has no call for. Included only where
// X11's headers may come in: they define names such as None and Status that clash elsewhere.

#include <optional>
#include <vector>

#include <SDL.h>
#include <SDL_syswm.h>

namespace orbelon::sdl {

struct X11Window {
  Display* display = nullptr;
  ::Window id = 0;
};

// Nothing where the window is not an X11 one (Wayland, the offscreen driver).
std::optional<X11Window> X11WindowOf(SDL_Window* window);

// The items of a window's 32-bit property of the given type (as Xlib hands them, one C long
// each); none where the window has no such property, or one of another type or format.
std::vector<unsigned long> WindowProperty(Display* display, ::Window window, Atom name, Atom type);

}  // namespace orbelon::sdl
