#pragma once

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"

namespace orbelon::startup {
class Program;
}

namespace orbelon::screens {

// The closing window, the last thing the program shows.
class frmOrder : public platform::Form {
 public:
  explicit frmOrder(startup::Program& program);
  void Form_Load() override;
  void Form_CloseRequest() override;  // as "Exit"
  void OKButton_Click();              // "Exit"

  platform::Label Label1, Label2, Label7, Label3, Label5, Label8, Label6, Label4;
  platform::CommandButton OKButton;
  platform::CommandButton Command1;

 private:
  startup::Program& program_;
};

}  // namespace orbelon::screens
