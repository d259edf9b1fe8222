#pragma once

#include <SDL.h>

namespace orbelon::sdl {

// The one OpenGL 3.3 core context that every window shares. A hidden window of its own keeps it
// usable when no form window is at hand, so that canvases can be drawn off screen at any time.
class GlContext {
 public:
  // Throws PlatformError when no such context can be made.
  GlContext();
  ~GlContext();
  GlContext(const GlContext&) = delete;
  GlContext& operator=(const GlContext&) = delete;

  // Makes the context current on the window; nullptr means the hidden window.
  void MakeCurrent(SDL_Window* window);
  // Called before a window is destroyed, so that the context never stays bound to it.
  void Release(SDL_Window* window);
  // Sets the attributes every window must be made with to share the context.
  static void PrepareAttributes();

 private:
  SDL_Window* hidden_ = nullptr;
  SDL_GLContext context_ = nullptr;
  SDL_Window* current_ = nullptr;
};

}  // namespace orbelon::sdl
