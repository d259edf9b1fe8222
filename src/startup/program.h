#pragma once

#include <memory>

#include "engine/input/module1.h"
#include "platform/runtime/runtime.h"

namespace orbelon::engine {
class frmVorlet;
}
namespace orbelon::screens {
class frmPaused;
class frmOrder;
}  // namespace orbelon::screens

namespace orbelon::startup {

class frmStart;
class frmRules;

// The program: the runtime, the code module's globals and the global default instance of every
// window, each created on first use (creating a window does not load it).
class Program {
 public:
  explicit Program(platform::Runtime& runtime);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The runtime loads the start window first and shows it; then the program lives in event
  // processing until a window ends it (ProcessExit reaches the caller).
  void Run();

  platform::Runtime& runtime;
  input::Module1 module1;

  frmStart& StartWindow();
  frmRules& RulesWindow();
  engine::frmVorlet& PlayWindow();
  screens::frmPaused& PauseWindow();
  screens::frmOrder& ClosingWindow();
  // Whether the window's instance exists yet (for tests).
  bool HasPlayWindow() const { return play_ != nullptr; }

 private:
  std::unique_ptr<frmStart> start_;
  std::unique_ptr<frmRules> rules_;
  std::unique_ptr<engine::frmVorlet> play_;
  std::unique_ptr<screens::frmPaused> paused_;
  std::unique_ptr<screens::frmOrder> order_;
};

}  // namespace orbelon::startup
