#pragma once

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"

namespace orbelon::startup {

class Program;

// The window the program opens first: the start-up runs in its load handler.
class frmStart : public platform::Form {
 public:
  explicit frmStart(Program& program);
  void Form_Load() override;
  void Form_CloseRequest() override;  // ends the program
  void OKButton_Click();              // "Begin"
  void Command1_Click();              // "Instructions"

  platform::CommandButton OKButton;
  platform::CommandButton Command1;

 private:
  Program& program_;
};

}  // namespace orbelon::startup
