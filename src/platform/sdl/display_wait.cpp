// Kept apart from the rest of the backend: the X11 headers define names such as None and Status
// that clash with the runtime's own.

#include "platform/sdl/display_wait.h"

#include <poll.h>

#include "platform/sdl/x11_window.h"

namespace orbelon::sdl {

void DisplayWait::Learn(SDL_Window* window) {
  if (learned_ || window == nullptr) {
    return;
  }
  learned_ = true;
  if (const std::optional<X11Window> x11 = X11WindowOf(window)) {
    x11_connection_ = ConnectionNumber(x11->display);
  }
}

// SDL's own wait wakes itself by sending an X event, from a second connection, to the window made
// last, whenever the event that ends the wait gives SDL an event of its own. When that window is
// destroyed at once (a message box closed by the very key that ended the wait), the server may
// take the destroy first and refuse the wake-up, and Xlib ends the program on that refusal.
// Waiting on the connection here needs no wake-up. SDL has read everything queued by the time
// we wait (the event pump runs first), so input arrives as the connection becoming readable.
void DisplayWait::Wait(uint32_t timeout_ms) {
  const int timeout = static_cast<int>(timeout_ms > INT32_MAX ? INT32_MAX : timeout_ms);
  if (x11_connection_ < 0) {
    SDL_WaitEventTimeout(nullptr, timeout);
    return;
  }
  pollfd connection{x11_connection_, POLLIN, 0};
  // A signal ends the wait early; the pump then turns it into SDL's quit event.
  poll(&connection, 1, timeout);
}

}  // namespace orbelon::sdl
