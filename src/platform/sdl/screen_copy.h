#pragma once

#include <SDL.h>

namespace orbelon::sdl {

// Puts a rectangle of a window's back buffer on the screen and leaves the back buffer as it was,
// where the driver can: Mesa offers it under X11 (GLX_MESA_copy_sub_buffer). A swap, the other
// way, sends the whole window and leaves its back buffer undefined, so that everything has to be
// drawn again for the next picture.
class ScreenCopy {
 public:
  // Whether the current context can; asked of the driver once.
  bool Available(SDL_Window* window);
  // The rectangle in OpenGL's window coordinates (rows counted from the bottom).
  static void Copy(SDL_Window* window, const SDL_Rect& rect);

 private:
  int available_ = -1;
};

}  // namespace orbelon::sdl
