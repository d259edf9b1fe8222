#pragma once

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"

namespace orbelon::startup {
class Program;
}

namespace orbelon::screens {

// The pause window that Esc opens during play: continue or quit.
class frmPaused : public platform::Form {
 public:
  explicit frmPaused(startup::Program& program);
  void Form_KeyPress(int16_t& KeyAscii) override;
  void Command1_Click();  // "Quit Orbelon"
  void Command2_Click();  // "Continue"

  platform::CommandButton Command1;
  platform::CommandButton Command2;

 private:
  startup::Program& program_;
};

}  // namespace orbelon::screens
