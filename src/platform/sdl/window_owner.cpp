// Kept apart from the rest of the backend: the X11 headers define names such as None and Status
// that clash with the runtime's own.

#include "platform/sdl/window_owner.h"

#include <X11/Xatom.h>

#include <vector>

#include "platform/sdl/x11_window.h"

namespace orbelon::sdl {

namespace {

// The atoms of _NET_WM_STATE, the modal state among them once and only while it is asked for.
// The window is hidden, so the property is ours to write; the window manager reads it at the map.
void SetModalState(Display* display, Window window, bool modal) {
  const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom modal_atom = XInternAtom(display, "_NET_WM_STATE_MODAL", False);
  std::vector<Atom> atoms;
  for (const Atom atom : WindowProperty(display, window, state, XA_ATOM)) {
    if (atom != modal_atom) {
      atoms.push_back(atom);
    }
  }
  if (modal) {
    atoms.push_back(modal_atom);
  }
  XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(atoms.data()),
                  static_cast<int>(atoms.size()));
}

}  // namespace

void TieToOwner(SDL_Window* window, SDL_Window* owner, bool dialog) {
  // Elsewhere (Wayland) SDL's call is all there is.
  if (owner != nullptr) {
    SDL_SetWindowModalFor(window, owner);
  }
  const std::optional<X11Window> x11 = X11WindowOf(window);
  if (!x11) {
    return;
  }
  Display* display = x11->display;
  const Window x_window = x11->id;
  if (owner == nullptr) {
    XDeleteProperty(display, x_window, XA_WM_TRANSIENT_FOR);
  }
  if (dialog) {
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom dialog_type = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(display, x_window, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dialog_type), 1);
  }
  // A window without an owner would be modal to the whole program: only a box is.
  SetModalState(display, x_window, owner != nullptr || dialog);
  XFlush(display);
}

}  // namespace orbelon::sdl
