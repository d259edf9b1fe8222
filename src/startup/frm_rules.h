#pragma once

#include "platform/runtime/form.h"

namespace orbelon::startup {

class Program;

// The rules, as one picture; a click anywhere closes it.
class frmRules : public platform::Form {
 public:
  explicit frmRules(Program& program);
  void Form_Load() override;
  void Form_Click() override;

 private:
  Program& program_;
};

}  // namespace orbelon::startup
