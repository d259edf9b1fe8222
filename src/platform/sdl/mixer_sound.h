#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace orbelon::sdl {

class AudioDevice;

// The sound system on SDL2_mixer: 22050 Hz, 16-bit, stereo. Each buffer is one chunk on a
// channel of its own, so buffers play and stop independently, as the game's buffers did.
class MixerSoundSystem : public platform::SoundSystem {
 public:
  // Opens the audio device; throws PlatformError at once when there is none.
  MixerSoundSystem();
  ~MixerSoundSystem() override;

  void SetCooperativeLevel(int window, int level) override;
  std::shared_ptr<platform::SoundBuffer> CreateSoundBufferFromFile(
      const std::string& path) override;

 private:
  // Buffers hold it too: the device stays open while any of them lives.
  std::shared_ptr<AudioDevice> device_;
};

}  // namespace orbelon::sdl
