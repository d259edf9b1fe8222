#include "platform/sdl/pointer.h"

#include <algorithm>

namespace orbelon::sdl {

SDL_Rect Pointer::Screen() const {
  SDL_Rect bounds{0, 0, 1, 1};
  if (SDL_GetDisplayBounds(0, &bounds) != 0 || bounds.w < 1 || bounds.h < 1) {
    bounds = SDL_Rect{0, 0, 1, 1};
  }
  return bounds;
}

void Pointer::MoveAbsolute(int x, int y) {
  SDL_Rect screen = Screen();
  // The absolute space spans the primary screen: 65536 steps across its width and height.
  auto map = [](int value, int size) {
    long long clamped = std::clamp(value, 0, 65535);
    return static_cast<int>(clamped * size / 65536);
  };
  virtual_.x = screen.x + map(x, screen.w);
  virtual_.y = screen.y + map(y, screen.h);
  if (!relative_) {
    SDL_WarpMouseGlobal(virtual_.x, virtual_.y);
  }
}

platform::PointL Pointer::Position() {
  if (relative_) {
    return virtual_;
  }
  int x = 0;
  int y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return platform::PointL{x, y};
}

void Pointer::AddMotion(int dx, int dy) {
  if (!relative_) {
    return;
  }
  // The real pointer stops at the screen's edges, and so does ours.
  SDL_Rect screen = Screen();
  virtual_.x = std::clamp(virtual_.x + dx, screen.x, screen.x + screen.w - 1);
  virtual_.y = std::clamp(virtual_.y + dy, screen.y, screen.y + screen.h - 1);
}

int Pointer::Show(bool show) {
  count_ += show ? 1 : -1;
  bool hide = count_ < 0;
  if (hide && !relative_ && !hidden_without_relative_) {
    virtual_ = Position();
    if (SDL_SetRelativeMouseMode(SDL_TRUE) == 0) {
      relative_ = true;
    } else {
      // No relative mode here: hide the pointer and keep reading the real one.
      SDL_ShowCursor(SDL_DISABLE);
      hidden_without_relative_ = true;
    }
  } else if (!hide && relative_) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    relative_ = false;
    SDL_WarpMouseGlobal(virtual_.x, virtual_.y);
  } else if (!hide && hidden_without_relative_) {
    SDL_ShowCursor(SDL_ENABLE);
    hidden_without_relative_ = false;
  }
  return count_;
}

SDL_Point Pointer::InWindow(SDL_Window* window) const {
  int left = 0;
  int top = 0;
  SDL_GetWindowPosition(window, &left, &top);
  return SDL_Point{virtual_.x - left, virtual_.y - top};
}

}  // namespace orbelon::sdl
