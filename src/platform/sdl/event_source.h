#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include <SDL.h>

#include "platform/backend.h"
#include "platform/sdl/display_wait.h"
#include "platform/sdl/pointer.h"
#include "platform/sdl/window_table.h"

namespace orbelon::sdl {

// SDL's event queue as the runtime sees it: key presses as character codes, mouse buttons pressed
// and released in client pixels, the close box of a window, and the end of the session or a signal
// to end. Everything else is handled here (relative motion moves the pointer, an exposed window is
// drawn again) or dropped.
class EventSource {
 public:
  EventSource(WindowTable& windows, Pointer& pointer,
              std::function<void(const platform::Form&)> redraw)
      : windows_(windows), pointer_(pointer), redraw_(std::move(redraw)) {}

  bool Poll(platform::InputEvent& event);
  // Blocks until an event for the runtime is pending or the time has passed; never spins.
  void Wait(uint32_t timeout_ms);
  // Takes everything SDL has queued, keeping the runtime's events in order.
  void Pump();
  // A new window of ours, through which the wait learns the display connection.
  void WindowMade(SDL_Window* window) { display_.Learn(window); }

 private:
  void Translate(const SDL_Event& event);
  void Key(uint32_t sdl_window, int code);
  void MouseButton(const SDL_MouseButtonEvent& event, platform::EventType type);

  WindowTable& windows_;
  Pointer& pointer_;
  std::function<void(const platform::Form&)> redraw_;
  std::deque<platform::InputEvent> pending_;
  DisplayWait display_;
  bool interrupt_sent_ = false;
};

// SIGINT and SIGTERM are caught here rather than by SDL, so that the program knows which one
// came: each reaches the game as a quit, and the run then ends with 128 + its number.
void CatchInterrupts();
// The signal that interrupted the run, 0 while none has.
int InterruptSignal();

// The character code of a control key, 0 for keys whose characters come as text.
int ControlKeyCode(SDL_Keycode key);
// The characters of a text event, as the game's one-byte codes (those above 255 are dropped).
std::vector<int> TextCodes(const char* utf8);

}  // namespace orbelon::sdl
