#include "startup/frm_rules.h"

#include "startup/app_picture.h"
#include "startup/program.h"

namespace orbelon::startup {

frmRules::frmRules(Program& program) : Form(program.runtime, "frmRules") {
  SetBorder(platform::BorderStyle::None);
  SetClientSize(5985, 5985);
  SetPicture(AppPicture(program.runtime, "rules.png"));
}

void frmRules::Form_Click() {
  Unload();
}

}  // namespace orbelon::startup
