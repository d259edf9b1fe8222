#pragma once

#include <SDL.h>

namespace orbelon::sdl {

// Ties a hidden window to the window it belongs to (nullptr: none) as the window manager reads
// it on X11: WM_TRANSIENT_FOR, which SDL sets, keeps it above that window and minimises the two
// together; the modal state, which SDL has no call for, makes a window manager hand it the
// keyboard when its owner is picked. A message box is also typed as a dialog.
void TieToOwner(SDL_Window* window, SDL_Window* owner, bool dialog);

}  // namespace orbelon::sdl
