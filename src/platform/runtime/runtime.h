#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/runtime/picture.h"

namespace orbelon::platform {

class Form;

// Message box styles.
constexpr int vbOKOnly = 0;
constexpr int vbCritical = 16;

// The window runtime: event processing, timers, modal windows, message boxes, the program's
// folder and command line, the clock and the end of the process. One per program.
class Runtime {
 public:
  Runtime(Backend& backend, std::string program_folder, std::string command_line);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  Backend& GetBackend() const { return backend_; }

  // The program's folder (no separator at the end) and the command-line text after its name.
  const std::string& AppPath() const { return app_path_; }
  const std::string& Command() const { return command_; }
  // The second (0-59) of the current wall-clock time.
  int Second();
  // The millisecond clock, 32 bits, wrapping.
  uint32_t TimeGetTime();
  // The program's icon, which every window with a title bar carries; set before the first
  // window is made. Empty until then.
  const Picture& Icon() const { return icon_; }
  void SetIcon(Picture icon) { icon_ = std::move(icon); }
  // Ends the process: unwinds to main with the status (throws ProcessExit).
  [[noreturn]] void End(int status = 0);

  // Processes the pending events once: input to the windows, then the timers that are due, then
  // the repaint of changed windows. While a modal form is open only it takes keys and clicks.
  void DoEvents();
  // Processes events as they come until the clock reaches the deadline (compared so that the
  // clock's wrap does no harm); blocks in between, never spins. Returns at once when the
  // deadline has passed, without processing events.
  void PaceUntil(uint32_t deadline);
  // Runs a modal wait: processes events, blocking in between, until the form is unloaded or
  // hidden. Only the form takes keys and clicks meanwhile; every timer keeps ticking.
  void RunModal(Form& form);
  // A modal message box with an OK button (style 16 adds the stop icon), closed by Enter,
  // Space, Esc, a click on OK or its close box. Returns 1 (OK).
  int MsgBox(const std::string& prompt, int style, const std::string& title);
  // The runtime's error box for a failure that reaches the top: it names the failure (and writes
  // it on stderr, where no window can be shown). It never throws.
  void ReportFatal(const std::string& message) noexcept;
  // A failure the program lives with (a sound file that silences the game): written on stderr
  // for whoever looks into why. It never throws.
  void Warn(const std::string& message) noexcept;

  // Used by Form.
  void Attach(Form& form);
  void Detach(Form& form);
  Form* ModalForm() const { return modal_.empty() ? nullptr : modal_.back(); }
  const std::vector<Form*>& Forms() const { return forms_; }
  // The form comes to the top as it shows.
  void Raise(Form& form);
  // The topmost form that shows, the given one apart; nullptr when none does.
  Form* WindowBeneath(const Form& form) const;
  // The form is still there, loaded and shown.
  bool IsShowing(const Form* form) const;

 private:
  bool IsAttached(const Form* form) const;
  Form* FormOfWindow(int window) const;
  void Dispatch(const InputEvent& event);
  void FireTimers();
  void RepaintChanged();
  uint32_t NextTimerWait(uint32_t limit_ms);

  Backend& backend_;
  std::string app_path_;
  std::string command_;
  Picture icon_;
  std::vector<Form*> forms_;
  std::vector<Form*> modal_;
  // The forms from the bottom up, in the order they last showed.
  std::vector<Form*> stacking_;
};

}  // namespace orbelon::platform
