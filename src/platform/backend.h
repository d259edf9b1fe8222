#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace orbelon::platform {

class Form;
class Tessor;

// What the window system reports; the runtime dispatches it to the form of that window.
enum class EventType {
  KeyPress,   // a character code: Esc 27, Enter 13, Space 32, Tab 9, digits 48-57, letters
  MouseDown,  // button 1 left, 2 right, at x, y in client pixels
  MouseUp,    // the button released, at x, y in client pixels of the window that took the press
  Quit,       // the system asks the program to end (a signal, the session closing)
  Close,      // the close box of the window's title bar: the window manager asks it to close
};

struct InputEvent {
  EventType type = EventType::KeyPress;
  int window = 0;  // the id that CreateWindow gave
  int key = 0;
  int button = 0;
  int x = 0;
  int y = 0;
};

struct PointL {
  int32_t x = 0;
  int32_t y = 0;
};

// A sound buffer loaded from a wave file. Play with flags 0 plays it once, 1 loops; Play on a
// buffer that is playing leaves it playing; Stop halts it.
class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;
  virtual void Play(int flags) = 0;
  virtual void Stop() = 0;
};

// The sound system: one per program, bound to a window.
class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  virtual void SetCooperativeLevel(int window, int level) = 0;
  // Throws PlatformError naming the file when it is missing or not a PCM wave.
  virtual std::shared_ptr<SoundBuffer> CreateSoundBufferFromFile(const std::string& path) = 0;
};

// The system keyboard, polled once a pass.
class KeyboardDevice {
 public:
  virtual ~KeyboardDevice() = default;
  virtual void SetCommonDataFormat(int format) = 0;
  virtual void SetCooperativeLevel(int window, int flags) = 0;
  virtual void Acquire() = 0;
  virtual void GetDeviceStateKeyboard(std::array<uint8_t, 256>& state) = 0;
};

// Everything the game needs from the machine, apart from the scene (plain C++) and the file
// readers. Two implementations: the real one on SDL2 and OpenGL, and the scripted one of the
// game tests. Every failure throws PlatformError.
class Backend {
 public:
  virtual ~Backend() = default;

  // Clock: milliseconds since start, cut to 32 bits (it wraps); the wall-clock second 0-59.
  virtual uint32_t TimeGetTime() = 0;
  virtual int WallSecond() = 0;

  // Events: take one pending event, or block until one is pending or the timeout has passed.
  virtual bool PollEvent(InputEvent& event) = 0;
  virtual void WaitEvent(uint32_t timeout_ms) = 0;

  // Windows: one native window per form, made hidden; Present repaints it from the form's model.
  virtual int CreateWindow(const Form& form) = 0;
  virtual void DestroyWindow(int window) = 0;
  virtual void ShowWindow(int window, bool visible) = 0;
  // Ties a window that is about to be shown modally to the window it belongs to (0: none), so
  // that the window manager keeps it above that window and minimises the two together. A message
  // box is also marked as a dialog. Called while the window is hidden.
  virtual void SetWindowOwner(int window, int owner, bool message_box) = 0;
  // Gives the window the keyboard: the owner of a modal window takes it back when that closes.
  virtual void FocusWindow(int window) = 0;
  virtual void Present(const Form& form) = 0;

  // Canvas: draws the scene as it stands into the canvas's picture; Present shows it.
  virtual void RenderCanvas(const Tessor& canvas) = 0;

  // Pointer: move to a point of the 0-65535 space of the primary screen; the position in screen
  // pixels; the show count (shown while it is 0 or more), returning the new count.
  virtual void MoveMouseAbsolute(int x, int y) = 0;
  virtual PointL GetCursorPos() = 0;
  virtual int ShowCursor(bool show) = 0;

  // Devices. CreateSoundSystem throws when there is no audio device.
  virtual std::unique_ptr<SoundSystem> CreateSoundSystem() = 0;
  virtual std::unique_ptr<KeyboardDevice> CreateKeyboardDevice(const std::string& guid) = 0;
  virtual int DisplayBitsPerPixel() = 0;
};

}  // namespace orbelon::platform
