#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/backend.h"

namespace orbelon::startup {

// The 13 buffers of the sound bank, by name, in load order.
enum class Sound {
  sIntro,
  sTheme,
  sChip,
  sMsgb,
  sFall,
  sWin,
  sBird,
  sPill,
  sRage,
  sTele1,
  sTele2,
  sTele3,
  sLaser,
};
constexpr int kSoundCount = 13;

// Owns the sound system and its buffers for the whole run. Every load, play and stop goes
// through here and is skipped while silent mode is on, so no caller tests it again.
class SoundBank {
 public:
  explicit SoundBank(const bool& sound_off) : sound_off_(sound_off) {}

  // The sound system (DxSound); Nothing until the start-up makes it.
  void SetSystem(std::unique_ptr<platform::SoundSystem> system);
  platform::SoundSystem* System() const { return system_.get(); }
  // Loads a buffer from the file (the full path); throws naming the file.
  void Load(Sound sound, const std::string& path);
  // flags 0 once, 1 looping. A buffer that was never loaded throws, like a call through Nothing.
  void Play(Sound sound, int flags);
  void Stop(Sound sound);
  // Whether the buffer holds a sound (for tests).
  bool IsLoaded(Sound sound) const { return buffers_[static_cast<int>(sound)] != nullptr; }

 private:
  platform::SoundBuffer& Buffer(Sound sound);

  const bool& sound_off_;
  std::unique_ptr<platform::SoundSystem> system_;
  std::array<std::shared_ptr<platform::SoundBuffer>, kSoundCount> buffers_;
};

}  // namespace orbelon::startup
