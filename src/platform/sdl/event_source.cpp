#include "platform/sdl/event_source.h"

#include <csignal>
#include <vector>

#include "platform/runtime/form.h"

namespace orbelon::sdl {

namespace {

volatile std::sig_atomic_t interrupt_signal = 0;

void KeepSignal(int number) {
  interrupt_signal = number;
}

}  // namespace

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = KeepSignal;
  sigemptyset(&action.sa_mask);
  // Without SA_RESTART a wait that the signal interrupts returns at once, and the next pump
  // turns the signal into a quit.
  action.sa_flags = 0;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int InterruptSignal() {
  return interrupt_signal;
}

int ControlKeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_ESCAPE:
      return 27;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return 13;
    case SDLK_TAB:
      return 9;
    case SDLK_BACKSPACE:
      return 8;
    default:
      return 0;
  }
}

std::vector<int> TextCodes(const char* utf8) {
  std::vector<int> codes;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8);
  while (*p != 0) {
    int code = 0;
    int extra = 0;
    if (*p < 0x80) {
      code = *p;
    } else if ((*p & 0xe0) == 0xc0) {
      code = *p & 0x1f;
      extra = 1;
    } else if ((*p & 0xf0) == 0xe0) {
      code = *p & 0x0f;
      extra = 2;
    } else {
      code = *p & 0x07;
      extra = 3;
    }
    ++p;
    for (; extra > 0 && (*p & 0xc0) == 0x80; --extra, ++p) {
      code = code << 6 | (*p & 0x3f);
    }
    if (extra == 0 && code < 256) {
      codes.push_back(code);
    }
  }
  return codes;
}

void EventSource::Key(uint32_t sdl_window, int code) {
  WindowTable::Entry* entry = windows_.FindBySdlId(sdl_window);
  platform::InputEvent event;
  event.type = platform::EventType::KeyPress;
  event.window = entry ? windows_.IdOf(*entry) : 0;
  event.key = code;
  pending_.push_back(event);
}

void EventSource::MouseButton(const SDL_MouseButtonEvent& event, platform::EventType type) {
  int button = event.button == SDL_BUTTON_LEFT ? 1 : event.button == SDL_BUTTON_RIGHT ? 2 : 0;
  WindowTable::Entry* entry = windows_.FindBySdlId(event.windowID);
  if (button == 0 || entry == nullptr) {
    return;
  }
  platform::InputEvent input;
  input.type = type;
  input.window = windows_.IdOf(*entry);
  input.button = button;
  input.x = event.x;
  input.y = event.y;
  if (pointer_.Relative()) {
    // SDL's own position drifts in relative mode; the button is where our pointer stands.
    SDL_Point at = pointer_.InWindow(entry->window);
    input.x = at.x;
    input.y = at.y;
  }
  pending_.push_back(input);
}

void EventSource::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT: {
      platform::InputEvent quit;
      quit.type = platform::EventType::Quit;
      pending_.push_back(quit);
      break;
    }
    case SDL_KEYDOWN: {
      // Printable keys come again as text; only the control keys are taken here, so that no
      // key arrives twice.
      int code = ControlKeyCode(event.key.keysym.sym);
      if (code != 0) {
        Key(event.key.windowID, code);
      }
      break;
    }
    case SDL_TEXTINPUT:
      for (int code : TextCodes(event.text.text)) {
        Key(event.text.windowID, code);
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      MouseButton(event.button, platform::EventType::MouseDown);
      break;
    case SDL_MOUSEBUTTONUP:
      MouseButton(event.button, platform::EventType::MouseUp);
      break;
    case SDL_MOUSEMOTION:
      pointer_.AddMotion(event.motion.xrel, event.motion.yrel);
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        WindowTable::Entry* entry = windows_.FindBySdlId(event.window.windowID);
        if (entry != nullptr && entry->form->IsVisible()) {
          redraw_(*entry->form);
        }
      } else if (event.window.event == SDL_WINDOWEVENT_SHOWN) {
        // Another program may map a window that the game has hidden (wmctrl's raise maps the
        // window it names): it goes again, before it can stand over the window in use.
        WindowTable::Entry* entry = windows_.FindBySdlId(event.window.windowID);
        if (entry != nullptr && !entry->form->IsVisible()) {
          SDL_HideWindow(entry->window);
        }
      } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        // The close box of one window; the window itself decides what it means.
        if (WindowTable::Entry* entry = windows_.FindBySdlId(event.window.windowID)) {
          platform::InputEvent close;
          close.type = platform::EventType::Close;
          close.window = windows_.IdOf(*entry);
          pending_.push_back(close);
        }
      }
      // Enter, leave and focus mean nothing to the game.
      break;
    default:
      break;
  }
}

void EventSource::Pump() {
  if (interrupt_signal != 0 && !interrupt_sent_) {
    interrupt_sent_ = true;
    platform::InputEvent quit;
    quit.type = platform::EventType::Quit;
    pending_.push_back(quit);
  }
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    Translate(event);
  }
}

bool EventSource::Poll(platform::InputEvent& event) {
  if (pending_.empty()) {
    Pump();
  }
  if (pending_.empty()) {
    return false;
  }
  event = pending_.front();
  pending_.pop_front();
  return true;
}

void EventSource::Wait(uint32_t timeout_ms) {
  const uint64_t deadline = SDL_GetTicks64() + timeout_ms;
  for (;;) {
    Pump();
    if (!pending_.empty()) {
      return;
    }
    uint64_t now = SDL_GetTicks64();
    if (now >= deadline) {
      return;
    }
    // It may wake up to a millisecond early, or for an event we drop: wait again for the rest.
    display_.Wait(static_cast<uint32_t>(deadline - now));
  }
}

}  // namespace orbelon::sdl
