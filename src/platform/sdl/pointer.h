#pragma once

#include <SDL.h>

#include "platform/backend.h"

namespace orbelon::sdl {

// The mouse pointer with a show count. While it is hidden (the count below 0, as during play)
// the mouse is read in SDL's relative mode, and a pointer of our own stands in for it: moves set
// it, relative motion adds to it and reading gives it. So the game measures exactly the movement
// since it last re-centred, also past the window's edge and wherever warping is unreliable.
class Pointer {
 public:
  // Moves to a point of the 0-65535 space of the primary screen.
  void MoveAbsolute(int x, int y);
  // The position in screen pixels; the caller has pumped the events first.
  platform::PointL Position();
  // Counts a show or a hide; returns the new count.
  int Show(bool show);
  // Relative motion from the event queue.
  void AddMotion(int dx, int dy);
  bool Relative() const { return relative_; }
  // Where a button press happened, in the client pixels of the window, while relative.
  SDL_Point InWindow(SDL_Window* window) const;

 private:
  SDL_Rect Screen() const;

  int count_ = 0;
  bool relative_ = false;
  bool hidden_without_relative_ = false;
  platform::PointL virtual_{};
};

}  // namespace orbelon::sdl
