#include "platform/sdl/mixer_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/error.h"
#include "platform/files/file_bytes.h"
#include "platform/files/wave_file.h"

namespace orbelon::sdl {

class AudioDevice {
 public:
  AudioDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      throw platform::PlatformError(std::string("cannot open the sound device: ") + SDL_GetError());
    }
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
      std::string message = std::string("cannot open the sound device: ") + Mix_GetError();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      throw platform::PlatformError(message);
    }
  }
  ~AudioDevice() {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // Channels are never handed out twice, also when a second device shares the mixer.
  int NewChannel() {
    static int channels = 0;
    int channel = channels++;
    Mix_AllocateChannels(channels);
    return channel;
  }
};

namespace {

class MixerSoundBuffer : public platform::SoundBuffer {
 public:
  MixerSoundBuffer(std::shared_ptr<AudioDevice> device, Mix_Chunk* chunk)
      : device_(std::move(device)), chunk_(chunk), channel_(device_->NewChannel()) {}
  ~MixerSoundBuffer() override {
    Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
  }
  MixerSoundBuffer(const MixerSoundBuffer&) = delete;
  MixerSoundBuffer& operator=(const MixerSoundBuffer&) = delete;

  void Play(int flags) override {
    if (Mix_Playing(channel_) != 0) {
      return;
    }
    if (Mix_PlayChannel(channel_, chunk_, (flags & 1) != 0 ? -1 : 0) < 0) {
      throw platform::PlatformError(std::string("cannot play a sound: ") + Mix_GetError());
    }
  }
  void Stop() override { Mix_HaltChannel(channel_); }

 private:
  std::shared_ptr<AudioDevice> device_;
  Mix_Chunk* chunk_;
  int channel_;
};

}  // namespace

MixerSoundSystem::MixerSoundSystem() : device_(std::make_shared<AudioDevice>()) {}

MixerSoundSystem::~MixerSoundSystem() = default;

void MixerSoundSystem::SetCooperativeLevel(int /*window*/, int /*level*/) {}

std::shared_ptr<platform::SoundBuffer> MixerSoundSystem::CreateSoundBufferFromFile(
    const std::string& path) {
  // The project's reader names what is wrong with a missing or damaged file, and the mixer
  // decodes the very bytes it checked, never opening the file itself.
  const std::vector<uint8_t> bytes = platform::ReadWaveBytes(path);
  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  Mix_Chunk* chunk = source == nullptr ? nullptr : Mix_LoadWAV_RW(source, 1);
  if (chunk == nullptr) {
    throw platform::PlatformError("cannot load the sound " + platform::NativePath(path) + ": " +
                                  Mix_GetError());
  }
  return std::make_shared<MixerSoundBuffer>(device_, chunk);
}

}  // namespace orbelon::sdl
