#include "x11_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include "platform/sdl/x11_window.h"

namespace orbelon::testing {

namespace {

Window IdOf(SDL_Window* window) {
  const std::optional<sdl::X11Window> x11 = sdl::X11WindowOf(window);
  return x11 ? x11->id : 0;
}

}  // namespace

X11Desktop::X11Desktop() {
  if (SDL_GetCurrentVideoDriver() == nullptr ||
      SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") != 0) {
    return;
  }
  display_ = XOpenDisplay(nullptr);
  if (display_ != nullptr) {
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
  }
}

X11Desktop::~X11Desktop() {
  if (display_ != nullptr) {
    XCloseDisplay(display_);
  }
}

void X11Desktop::Map(SDL_Window* window) {
  XMapRaised(display_, IdOf(window));
  XSync(display_, False);
}

void X11Desktop::Minimise(SDL_Window* window) {
  const Window id = IdOf(window);
  const Atom wm_state = XInternAtom(display_, "WM_STATE", False);
  const long state[2] = {IconicState, 0};
  XChangeProperty(display_, id, wm_state, wm_state, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(state), 2);
  XUnmapWindow(display_, id);
  XSync(display_, False);
}

bool X11Desktop::Withdrawn(SDL_Window* window) {
  const Window id = IdOf(window);
  XSync(display_, False);
  XEvent event;
  while (XCheckTypedWindowEvent(display_, DefaultRootWindow(display_), UnmapNotify, &event)) {
    // The window's own unmap reaches the root window too; the notice is the one sent.
    if (event.xunmap.send_event && event.xunmap.window == id) {
      XDeleteProperty(display_, id, XInternAtom(display_, "WM_STATE", False));
      XSync(display_, False);
      return true;
    }
  }
  return false;
}

bool X11Desktop::Viewable(SDL_Window* window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display_, IdOf(window), &attributes) != 0 &&
         attributes.map_state == IsViewable;
}

}  // namespace orbelon::testing
