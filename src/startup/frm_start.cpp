#include "startup/frm_start.h"

#include "engine/frm_vorlet.h"
#include "startup/app_picture.h"
#include "startup/frm_rules.h"
#include "startup/program.h"

namespace orbelon::startup {

using platform::RGB;

frmStart::frmStart(Program& program)
    : Form(program.runtime, "frmStart"),
      OKButton(*this, "OKButton", {3240, 2760, 1695, 375}),
      Command1(*this, "Command1", {1080, 2760, 1695, 375}),
      program_(program) {
  SetCaption("Orbelon");
  SetBorder(platform::BorderStyle::FixedDialog);
  SetClientSize(5955, 3720);
  SetBackColor(RGB(0, 0, 0));
  SetPicture(AppPicture(program.runtime, "title.png"));

  const platform::Font font{.name = "MS Sans Serif", .size = 8.25f, .bold = true};
  OKButton.SetCaption("Begin");
  OKButton.SetFont(font);
  OKButton.SetTabIndex(0);
  OKButton.Click = [this] { OKButton_Click(); };
  Command1.SetCaption("Instructions");
  Command1.SetFont(font);
  Command1.SetTabIndex(1);
  Command1.Click = [this] { Command1_Click(); };
}

void frmStart::OKButton_Click() {
  // The start window stays loaded, hidden, for the whole run: the sound system is bound to it.
  Hide();
  program_.PlayWindow().Show();
}

// Nothing has begun yet: the close box leaves at once.
void frmStart::Form_CloseRequest() {
  program_.runtime.End(0);
}

void frmStart::Command1_Click() {
  program_.RulesWindow().ShowModal();
}

}  // namespace orbelon::startup
