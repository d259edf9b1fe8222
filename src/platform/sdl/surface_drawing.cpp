#include "platform/sdl/surface_drawing.h"

#include "platform/error.h"

namespace orbelon::sdl {

namespace {

constexpr SDL_Color kWhite{255, 255, 255, 255};
constexpr SDL_Color kLight{223, 223, 223, 255};
constexpr SDL_Color kShadow{128, 128, 128, 255};
constexpr SDL_Color kBlack{0, 0, 0, 255};

uint32_t Pack(const SDL_Surface* surface, SDL_Color color) {
  return SDL_MapRGBA(surface->format, color.r, color.g, color.b, color.a);
}

void HorizontalLine(SDL_Surface* surface, int x, int y, int width, SDL_Color color) {
  SDL_Rect line{x, y, width, 1};
  Fill(surface, line, color);
}

void VerticalLine(SDL_Surface* surface, int x, int y, int height, SDL_Color color) {
  SDL_Rect line{x, y, 1, height};
  Fill(surface, line, color);
}

}  // namespace

ClipScope::ClipScope(SDL_Surface* surface, const SDL_Rect& rect) : surface_(surface) {
  SDL_GetClipRect(surface, &before_);
  SDL_Rect inside{};
  if (SDL_IntersectRect(&rect, &before_, &inside) == SDL_FALSE) {
    inside = SDL_Rect{0, 0, 0, 0};
  }
  SDL_SetClipRect(surface, &inside);
}

ClipScope::~ClipScope() {
  SDL_SetClipRect(surface_, &before_);
}

SurfacePtr MakeSurface(int width, int height) {
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(
      0, width < 1 ? 1 : width, height < 1 ? 1 : height, 32, SDL_PIXELFORMAT_RGBA32));
  if (!surface) {
    throw platform::PlatformError(std::string("cannot make a window's picture: ") + SDL_GetError());
  }
  return surface;
}

SDL_Color WindowsColor(uint32_t value) {
  if (value & 0x80000000u) {
    switch (value & 0xff) {
      case 0x05:  // window background
      case 0x14:  // 3D highlight
        return kWhite;
      case 0x0f:  // button face
      case 0x16:  // 3D light
        return SDL_Color{192, 192, 192, 255};
      case 0x10:  // button shadow
      case 0x11:  // grey text
        return kShadow;
      default:  // window text, button text, dark shadow, the rest
        return kBlack;
    }
  }
  return SDL_Color{static_cast<uint8_t>(value & 0xff), static_cast<uint8_t>(value >> 8 & 0xff),
                   static_cast<uint8_t>(value >> 16 & 0xff), 255};
}

void Fill(SDL_Surface* surface, const SDL_Rect& rect, SDL_Color color) {
  SDL_FillRect(surface, &rect, Pack(surface, color));
}

void Edge(SDL_Surface* surface, const SDL_Rect& r, bool raised) {
  if (r.w < 2 || r.h < 2) {
    return;
  }
  SDL_Color outer_top = raised ? kWhite : kShadow;
  SDL_Color outer_bottom = raised ? kBlack : kWhite;
  SDL_Color inner_top = raised ? kLight : kBlack;
  SDL_Color inner_bottom = raised ? kShadow : kLight;
  HorizontalLine(surface, r.x, r.y, r.w - 1, outer_top);
  VerticalLine(surface, r.x, r.y, r.h - 1, outer_top);
  HorizontalLine(surface, r.x, r.y + r.h - 1, r.w, outer_bottom);
  VerticalLine(surface, r.x + r.w - 1, r.y, r.h, outer_bottom);
  if (r.w < 4 || r.h < 4) {
    return;
  }
  HorizontalLine(surface, r.x + 1, r.y + 1, r.w - 3, inner_top);
  VerticalLine(surface, r.x + 1, r.y + 1, r.h - 3, inner_top);
  HorizontalLine(surface, r.x + 1, r.y + r.h - 2, r.w - 2, inner_bottom);
  VerticalLine(surface, r.x + r.w - 2, r.y + 1, r.h - 2, inner_bottom);
}

void Outline(SDL_Surface* surface, const SDL_Rect& r, SDL_Color color, bool dotted) {
  if (r.w < 1 || r.h < 1) {
    return;
  }
  if (!dotted) {
    HorizontalLine(surface, r.x, r.y, r.w, color);
    HorizontalLine(surface, r.x, r.y + r.h - 1, r.w, color);
    VerticalLine(surface, r.x, r.y, r.h, color);
    VerticalLine(surface, r.x + r.w - 1, r.y, r.h, color);
    return;
  }
  for (int x = r.x; x < r.x + r.w; x += 2) {
    SDL_Rect top{x, r.y, 1, 1};
    SDL_Rect bottom{x, r.y + r.h - 1, 1, 1};
    Fill(surface, top, color);
    Fill(surface, bottom, color);
  }
  for (int y = r.y; y < r.y + r.h; y += 2) {
    SDL_Rect left{r.x, y, 1, 1};
    SDL_Rect right{r.x + r.w - 1, y, 1, 1};
    Fill(surface, left, color);
    Fill(surface, right, color);
  }
}

void DrawPicture(SDL_Surface* surface, const platform::Picture& picture, int x, int y,
                 const SDL_Rect& clip) {
  if (!picture || picture->width <= 0 || picture->height <= 0 ||
      picture->rgba.size() <
          static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height) * 4) {
    return;
  }
  // SDL only reads from the picture; it stays as it was loaded.
  SurfacePtr source(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(picture->rgba.data()),
                                                       picture->width, picture->height, 32,
                                                       picture->width * 4, SDL_PIXELFORMAT_RGBA32));
  if (!source) {
    throw platform::PlatformError(std::string("cannot draw a picture: ") + SDL_GetError());
  }
  SDL_SetSurfaceBlendMode(source.get(), SDL_BLENDMODE_BLEND);
  const ClipScope cut(surface, clip);
  SDL_Rect at{x, y, picture->width, picture->height};
  SDL_BlitSurface(source.get(), nullptr, surface, &at);
}

}  // namespace orbelon::sdl
