#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "startup/sound_bank.h"

namespace orbelon::startup {
class Program;
}

namespace orbelon::input {

// The code module's globals, shared by the start-up, the play window and the pause and closing
// windows, and its pointer and keyboard procedures. It lives as long as the program.
class Module1 {
 public:
  explicit Module1(startup::Program& program) : bank(SoundOff), program_(program) {}

  // The pointer goes to its fixed centre point (30000, 30000) of the 0-65535 space.
  void CenterMouse();
  // Centres the pointer and records where it landed as the centre.
  void InitMouse();
  // Sets up the keyboard device.
  void InitInput();
  // Polls the keyboard once a pass; nothing reads what it returns.
  void CheckKeys();

  // Globals, in their order of declaration.
  float GlowSpare = 0;
  float ArrowGlow = 0;
  bool SoundOff = false;
  int16_t CurrentLevel = 0;
  int16_t CenterX = 0;
  int16_t CenterY = 0;
  platform::PointL CursorPos;
  std::string AppPath;
  startup::SoundBank bank;  // sIntro to sLaser and DxSound
  bool DxRoot = false;      // the root object exists (made on first use)
  std::unique_ptr<platform::KeyboardDevice> KeyDevice;
  std::array<uint8_t, 256> KeyState{};
  int16_t KeyIndex = 0;

 private:
  startup::Program& program_;
};

}  // namespace orbelon::input
