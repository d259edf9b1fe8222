#pragma once

#include <SDL.h>

namespace orbelon::sdl {

// Withdraws a window that the window manager holds unmapped, minimised or on another desktop,
// before SDL hides it: SDL withdraws only a window that is mapped, and leaves such a one to
// come back the moment the player picks it in the taskbar. Nothing happens to a window that is
// mapped or already withdrawn, nor where the window is not an X11 one.
void WithdrawUnmapped(SDL_Window* window);

}  // namespace orbelon::sdl
