#pragma once

#include "platform/backend.h"

namespace orbelon::sdl {

// The system keyboard, polled from SDL's key state: 0x80 for a key held down, by scancode.
class KeyboardDevice : public platform::KeyboardDevice {
 public:
  void SetCommonDataFormat(int format) override { format_set_ = format != 0; }
  void SetCooperativeLevel(int /*window*/, int /*flags*/) override {}
  void Acquire() override;
  void GetDeviceStateKeyboard(std::array<uint8_t, 256>& state) override;

 private:
  bool format_set_ = false;
  bool acquired_ = false;
};

}  // namespace orbelon::sdl
