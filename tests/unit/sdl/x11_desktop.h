#pragma once

// What a window manager and other programs do to the program's windows on X11, done by hand on
// a display that has no window manager (as the tests' Xvfb has none). Kept apart from the tests:
// the X11 headers define names such as None that clash with the runtime's own.

#include <SDL.h>

struct _XDisplay;  // Xlib's Display

namespace orbelon::testing {

class X11Desktop {
 public:
  // A connection of its own, as another program has, that watches the root window.
  X11Desktop();
  ~X11Desktop();
  X11Desktop(const X11Desktop&) = delete;
  X11Desktop& operator=(const X11Desktop&) = delete;

  // Whether the display is an X11 one (not SDL's offscreen driver).
  bool Available() const { return display_ != nullptr; }

  // Another program maps the window (wmctrl's raise does).
  void Map(SDL_Window* window);
  // A window manager minimises it: unmapped, and Iconic in WM_STATE.
  void Minimise(SDL_Window* window);
  // A notice that withdraws the window has reached the root window since the last call
  // (XWithdrawWindow sends it); a window manager would then let the window go, and so does
  // this one.
  bool Withdrawn(SDL_Window* window);
  bool Viewable(SDL_Window* window);

 private:
  ::_XDisplay* display_ = nullptr;
};

}  // namespace orbelon::testing
