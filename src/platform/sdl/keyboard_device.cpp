#include "platform/sdl/keyboard_device.h"

#include <SDL.h>

#include "platform/error.h"

namespace orbelon::sdl {

void KeyboardDevice::Acquire() {
  if (!format_set_) {
    throw platform::PlatformError("the keyboard cannot be acquired before its data format is set");
  }
  acquired_ = true;
}

void KeyboardDevice::GetDeviceStateKeyboard(std::array<uint8_t, 256>& state) {
  if (!acquired_) {
    throw platform::PlatformError("the keyboard is read before it was acquired");
  }
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  for (size_t i = 0; i < state.size(); ++i) {
    state[i] = static_cast<int>(i) < count && keys[i] != 0 ? 0x80 : 0;
  }
}

}  // namespace orbelon::sdl
