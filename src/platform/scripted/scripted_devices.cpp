// The scripted sound system and keyboard: they check what the real ones check and record what
// the game asks of them.

#include <memory>
#include <string>

#include "platform/error.h"
#include "platform/files/wave_file.h"
#include "platform/runtime/picture.h"
#include "platform/scripted/scripted_backend.h"

namespace orbelon::scripted {

class ScriptedSoundBuffer : public platform::SoundBuffer {
 public:
  ScriptedSoundBuffer(ScriptedBackend& backend, std::string file)
      : backend_(backend), file_(std::move(file)), id_(backend.next_buffer_++) {}
  ~ScriptedSoundBuffer() override { backend_.playing_loops_.erase(id_); }

  void Play(int flags) override {
    backend_.sound_calls.push_back(SoundCall{file_, "play", flags, backend_.Now()});
    if ((flags & 1) != 0) {
      backend_.playing_loops_[id_] = file_;
    } else {
      backend_.playing_loops_.erase(id_);
    }
  }

  void Stop() override {
    backend_.sound_calls.push_back(SoundCall{file_, "stop", 0, backend_.Now()});
    backend_.playing_loops_.erase(id_);
  }

 private:
  ScriptedBackend& backend_;
  std::string file_;
  int id_;
};

namespace {

std::string BaseName(const std::string& path) {
  const std::string native = platform::NativePath(path);
  const size_t slash = native.rfind('/');
  return slash == std::string::npos ? native : native.substr(slash + 1);
}

class ScriptedSoundSystem : public platform::SoundSystem {
 public:
  explicit ScriptedSoundSystem(ScriptedBackend& backend) : backend_(backend) {}

  void SetCooperativeLevel(int window, int level) override {
    if (backend_.FormOf(window) == nullptr) {
      throw platform::PlatformError("SetCooperativeLevel of the sound system: no window " +
                                    std::to_string(window));
    }
    (void)level;
  }

  std::shared_ptr<platform::SoundBuffer> CreateSoundBufferFromFile(
      const std::string& path) override {
    // The real loader's check: a missing or damaged file fails here, naming it.
    platform::ReadWaveFile(path);
    const std::string file = BaseName(path);
    backend_.sound_calls.push_back(SoundCall{file, "load", 0, backend_.Now()});
    return std::make_shared<ScriptedSoundBuffer>(backend_, file);
  }

 private:
  ScriptedBackend& backend_;
};

class ScriptedKeyboard : public platform::KeyboardDevice {
 public:
  explicit ScriptedKeyboard(ScriptedBackend& backend) : backend_(backend) {}
  void SetCommonDataFormat(int format) override { (void)format; }
  void SetCooperativeLevel(int window, int flags) override { (void)window, (void)flags; }
  void Acquire() override { acquired_ = true; }
  void GetDeviceStateKeyboard(std::array<uint8_t, 256>& state) override {
    if (!acquired_) {
      throw platform::PlatformError("The keyboard device was polled before it was acquired");
    }
    ++backend_.keyboard_polls;
    state.fill(0);
  }

 private:
  ScriptedBackend& backend_;
  bool acquired_ = false;
};

}  // namespace

std::unique_ptr<platform::SoundSystem> ScriptedBackend::CreateSoundSystem() {
  if (!sound_device) {
    throw platform::PlatformError("Cannot open the sound system: there is no audio device");
  }
  return std::make_unique<ScriptedSoundSystem>(*this);
}

std::unique_ptr<platform::KeyboardDevice> ScriptedBackend::CreateKeyboardDevice(
    const std::string& guid) {
  if (guid != "GUID_SysKeyboard") {
    throw platform::PlatformError("Cannot create the input device \"" + guid + "\"");
  }
  return std::make_unique<ScriptedKeyboard>(*this);
}

std::set<std::string> ScriptedBackend::PlayingLoops() const {
  std::set<std::string> files;
  for (const auto& [id, file] : playing_loops_) {
    files.insert(file);
  }
  return files;
}

}  // namespace orbelon::scripted
