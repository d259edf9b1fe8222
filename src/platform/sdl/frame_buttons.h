#pragma once

#include <SDL.h>

namespace orbelon::sdl {

// Asks the window manager for a title bar with a close box and no minimise or maximise button,
// on a window that is not yet shown. SDL has no call for it; on X11 it is the Motif hints
// property, which most window managers read. Elsewhere the request is left out.
void AskForCloseBoxOnly(SDL_Window* window);

}  // namespace orbelon::sdl
