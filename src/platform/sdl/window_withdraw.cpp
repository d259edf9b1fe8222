// Kept apart from the rest of the backend: the X11 headers define names such as None and Status
// that clash with the runtime's own.

#include "platform/sdl/window_withdraw.h"

#include <X11/Xutil.h>

#include "platform/sdl/x11_window.h"

namespace orbelon::sdl {

namespace {

// The state the window manager gives a window it manages (ICCCM's WM_STATE): Normal or Iconic;
// Withdrawn where it manages it no longer, or never did.
long ManagedState(Display* display, Window window) {
  const Atom wm_state = XInternAtom(display, "WM_STATE", False);
  const std::vector<unsigned long> state = WindowProperty(display, window, wm_state, wm_state);
  return state.empty() ? WithdrawnState : static_cast<long>(state.front());
}

}  // namespace

void WithdrawUnmapped(SDL_Window* window) {
  const std::optional<X11Window> x11 = X11WindowOf(window);
  if (!x11) {
    return;
  }
  Display* display = x11->display;
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, x11->id, &attributes) == 0 ||
      attributes.map_state != IsUnmapped || ManagedState(display, x11->id) == WithdrawnState) {
    return;
  }
  // The unmap is no news to the window manager; the notice that XWithdrawWindow sends to the
  // root window is what makes it let go.
  XWithdrawWindow(display, x11->id, XScreenNumberOfScreen(attributes.screen));
  XSync(display, False);
}

}  // namespace orbelon::sdl
