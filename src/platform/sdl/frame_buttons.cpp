// Kept apart from the rest of the backend: the X11 headers define names such as None and Status
// that clash with the runtime's own.

#include "platform/sdl/frame_buttons.h"

#include "platform/sdl/x11_window.h"

namespace orbelon::sdl {

namespace {

// The Motif hints, as window managers read them: five 32-bit items, each a C long.
constexpr unsigned long kHintFunctions = 1;
constexpr unsigned long kHintDecorations = 2;
constexpr unsigned long kFunctionMove = 4;
constexpr unsigned long kFunctionClose = 32;
constexpr unsigned long kDecorBorder = 2;
constexpr unsigned long kDecorTitle = 8;
constexpr unsigned long kDecorMenu = 16;

}  // namespace

void AskForCloseBoxOnly(SDL_Window* window) {
  const std::optional<X11Window> x11 = X11WindowOf(window);
  if (!x11) {
    return;
  }
  Display* display = x11->display;
  const Atom hints = XInternAtom(display, "_MOTIF_WM_HINTS", False);
  // No resize (the window keeps its size), no minimise, no maximise; the frame keeps its title,
  // its border and its menu.
  const long value[5] = {
      static_cast<long>(kHintFunctions | kHintDecorations),
      static_cast<long>(kFunctionMove | kFunctionClose),
      static_cast<long>(kDecorBorder | kDecorTitle | kDecorMenu),
      0,
      0,
  };
  XChangeProperty(display, x11->id, hints, hints, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(value), 5);
}

}  // namespace orbelon::sdl
