#pragma once

// The scripted platform of the game tests: a virtual millisecond clock and wall clock that
// advance only when the game waits, input that the test injects at chosen moments, message boxes
// and modal windows that the test answers, and a record of every sound call, box and window show.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace orbelon::platform {
class Control;
class MessageBoxForm;
}  // namespace orbelon::platform

namespace orbelon::scripted {

using platform::Control;
using platform::Form;

// Thrown when a script runs past its time limit (a game that waits for input nobody gives).
class ScriptTimeout : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SoundCall {
  std::string file;   // the file name the buffer was loaded from, e.g. "theme.daw"
  std::string call;   // "load", "play", "stop"
  int flags = 0;      // for "play"
  uint32_t time = 0;  // virtual ms
};

struct BoxRecord {
  std::string title;
  std::string prompt;
  int style = 0;
  uint32_t time = 0;
  int show_count = 0;  // the pointer's show count while the box was open
  std::string owner;   // the name of the form it belongs to; empty for none
};

struct WindowRecord {
  std::string form;  // the form's name, e.g. "frmVorlet"
  std::string what;  // "create", "show", "hide", "destroy"
  uint32_t time = 0;
  std::string owner;  // for a show: the form it was tied to as a modal window; empty for none
};

class ScriptedBackend : public platform::Backend {
 public:
  ScriptedBackend();
  ~ScriptedBackend() override;

  // --- Scripting -------------------------------------------------------------------------
  // Runs the action inside event processing once the virtual clock has reached the time. The
  // action may inject input, look at the game's state, or throw to end the run.
  void At(uint32_t time_ms, std::function<void()> action);
  void After(uint32_t delay_ms, std::function<void()> action);
  // Input, queued for the next event processing.
  void PressKey(const Form& form, int key);
  // A click is a press and a release at the same point.
  void Click(const Form& form, const Control& control, int button = 1);
  void ClickAt(const Form& form, int x_pixels, int y_pixels, int button = 1);
  // The two halves of a click, for a player who moves between them.
  void PressButtonAt(const Form& form, int x_pixels, int y_pixels, int button = 1);
  void ReleaseButtonAt(const Form& form, int x_pixels, int y_pixels, int button = 1);
  // The system asking the program to end (a signal, the session closing).
  void PostQuit();
  // The close box of the window's title bar.
  void RequestClose(const Form& form);
  // The pointer as the player moves it, in screen pixels.
  void MovePointer(int dx, int dy);
  void SetPointer(int x, int y);
  // How message boxes are answered: by the key after the delay (default: Enter after 100 ms).
  // A handler, when set, is called when a box opens, and the default answer is not given.
  void AnswerBoxes(int key, uint32_t delay_ms);
  std::function<void(const BoxRecord&)> on_box;
  // The box opened last that is still open (nullptr when none is), and a key pressed on it now.
  const platform::MessageBoxForm* OpenBox() const;
  void AnswerOpenBox(int key = 13);
  // Ends a run that goes on longer than this (virtual ms since the start): throws ScriptTimeout.
  uint32_t time_limit_ms = 30 * 60 * 1000;

  // --- Set-up of the machine -------------------------------------------------------------
  void SetClock(uint32_t ms) { now_ = ms; }
  int wall_second_at_zero = 0;  // the wall-clock second when the virtual clock read 0
  int display_bits_per_pixel = 16;
  bool sound_device = true;  // false: CreateSoundSystem fails
  int screen_width = 1024;
  int screen_height = 768;

  // --- Records ---------------------------------------------------------------------------
  std::vector<SoundCall> sound_calls;
  std::vector<BoxRecord> boxes;
  std::vector<WindowRecord> windows;
  // The forms handed the keyboard, in order (what: "focus"); boxes included.
  std::vector<WindowRecord> keyboard;
  int show_count = 0;  // the pointer's show count
  int canvas_renders = 0;
  int presents = 0;  // repaints of any window
  int keyboard_polls = 0;
  int display_queries = 0;  // DisplayBitsPerPixel calls
  uint32_t Now() const { return now_; }
  // The form of a window id, nullptr when there is none.
  const Form* FormOf(int window) const;
  // Loops that are playing now (by file name).
  std::set<std::string> PlayingLoops() const;

  // --- Backend ---------------------------------------------------------------------------
  uint32_t TimeGetTime() override { return now_; }
  int WallSecond() override;
  bool PollEvent(platform::InputEvent& event) override;
  void WaitEvent(uint32_t timeout_ms) override;
  int CreateWindow(const Form& form) override;
  void DestroyWindow(int window) override;
  void ShowWindow(int window, bool visible) override;
  void SetWindowOwner(int window, int owner, bool message_box) override;
  void FocusWindow(int window) override;
  void Present(const Form& form) override;
  void RenderCanvas(const platform::Tessor& canvas) override;
  void MoveMouseAbsolute(int x, int y) override;
  platform::PointL GetCursorPos() override;
  int ShowCursor(bool show) override;
  std::unique_ptr<platform::SoundSystem> CreateSoundSystem() override;
  std::unique_ptr<platform::KeyboardDevice> CreateKeyboardDevice(const std::string& guid) override;
  int DisplayBitsPerPixel() override {
    ++display_queries;
    return display_bits_per_pixel;
  }

 private:
  friend class ScriptedSoundBuffer;

  struct Scheduled {
    uint32_t time;
    uint64_t order;
    std::function<void()> action;
  };
  // Runs the earliest action that is due; false when none is.
  bool RunDue();
  bool HasDue() const;
  void BoxOpened(const platform::MessageBoxForm& box, int window);
  // The name of the form a window is tied to; empty for none.
  std::string OwnerName(int window) const;

  uint32_t now_ = 0;
  uint64_t order_ = 0;
  std::vector<Scheduled> schedule_;
  std::vector<platform::InputEvent> pending_;
  std::map<int, const Form*> forms_;
  std::map<int, int> owners_;  // window to the window it is tied to
  int next_window_ = 1;
  platform::PointL pointer_{};
  int box_key_ = 13;
  uint32_t box_delay_ = 100;
  uint64_t elapsed_ = 0;  // virtual ms waited since the start, for the time limit
  std::vector<int> open_boxes_;
  int next_buffer_ = 1;
  std::map<int, std::string> playing_loops_;  // buffer id to file name
};

}  // namespace orbelon::scripted
