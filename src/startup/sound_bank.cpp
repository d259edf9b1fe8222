#include "startup/sound_bank.h"

#include <stdexcept>

#include "platform/error.h"
#include "platform/runtime/picture.h"

namespace orbelon::startup {

namespace {

constexpr const char* kNames[kSoundCount] = {
    "sIntro", "sTheme", "sChip",  "sMsgb",  "sFall",  "sWin",   "sBird",
    "sPill",  "sRage",  "sTele1", "sTele2", "sTele3", "sLaser",
};

const char* NameOf(Sound sound) {
  return kNames[static_cast<int>(sound)];
}

}  // namespace

void SoundBank::SetSystem(std::unique_ptr<platform::SoundSystem> system) {
  system_ = std::move(system);
}

void SoundBank::Load(Sound sound, const std::string& path) {
  if (sound_off_) {
    return;
  }
  if (!system_) {
    throw platform::PlatformError(std::string("Nothing: no sound system to load ") + path);
  }
  // A failed load leaves the buffer as it was, so a replaced theme keeps playing the old one.
  buffers_[static_cast<int>(sound)] =
      system_->CreateSoundBufferFromFile(platform::NativePath(path));
}

platform::SoundBuffer& SoundBank::Buffer(Sound sound) {
  const auto& buffer = buffers_[static_cast<int>(sound)];
  if (!buffer) {
    throw platform::PlatformError(std::string("Nothing: sound buffer ") + NameOf(sound) +
                                  " was never loaded");
  }
  return *buffer;
}

void SoundBank::Play(Sound sound, int flags) {
  if (flags != 0 && flags != 1) {
    // Checked before silent mode so that a wrong call shows in every test, not only loud ones.
    throw std::invalid_argument("sound flags must be 0 (once) or 1 (looping)");
  }
  if (sound_off_) {
    return;
  }
  Buffer(sound).Play(flags);
}

void SoundBank::Stop(Sound sound) {
  if (sound_off_) {
    return;
  }
  Buffer(sound).Stop();
}

}  // namespace orbelon::startup
