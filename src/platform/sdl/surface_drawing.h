#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <SDL.h>

#include "platform/runtime/controls.h"
#include "platform/runtime/picture.h"

namespace orbelon::sdl {

struct SurfaceFree {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

// Narrows the surface's clip rectangle to `rect` for as long as it lives, then gives back the one
// before: a helper's own clip stays inside its caller's, which repaints only part of a picture.
class ClipScope {
 public:
  ClipScope(SDL_Surface* surface, const SDL_Rect& rect);
  ~ClipScope();
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  SDL_Surface* surface_;
  SDL_Rect before_;
};

// An RGBA surface (bytes R, G, B, A in memory, rows from the top); throws when SDL cannot make it.
SurfacePtr MakeSurface(int width, int height);

// A Windows colour value: red in the lowest byte; the system colours (high bit set) as the
// classic grey scheme paints them.
SDL_Color WindowsColor(uint32_t value);

void Fill(SDL_Surface* surface, const SDL_Rect& rect, SDL_Color color);
// A raised (or sunken) edge of two lines on each side, as classic buttons and boxes have.
void Edge(SDL_Surface* surface, const SDL_Rect& rect, bool raised);
// The one-pixel outline of a rectangle, solid or dotted (every other pixel).
void Outline(SDL_Surface* surface, const SDL_Rect& rect, SDL_Color color, bool dotted);
// Draws the picture unscaled from (x, y), cut at the clip rectangle.
void DrawPicture(SDL_Surface* surface, const platform::Picture& picture, int x, int y,
                 const SDL_Rect& clip);

}  // namespace orbelon::sdl
