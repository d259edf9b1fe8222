#pragma once

#include "platform/runtime/form.h"

namespace orbelon::startup {

class Program;

// The rules, as one picture; a click anywhere closes it, and no key does.
class frmRules : public platform::Form {
 public:
  explicit frmRules(Program& program);
  void Form_Click() override;
};

}  // namespace orbelon::startup
