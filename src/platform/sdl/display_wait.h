#pragma once

#include <cstdint>

#include <SDL.h>

namespace orbelon::sdl {

// Blocks until the window system has something for us or the time has passed, never spinning.
// On X11 it waits on the display connection itself; elsewhere it leaves the wait to SDL.
class DisplayWait {
 public:
  // Learns the display connection from a window of ours; the first window is enough.
  void Learn(SDL_Window* window);
  void Wait(uint32_t timeout_ms);

 private:
  bool learned_ = false;
  int x11_connection_ = -1;
};

}  // namespace orbelon::sdl
