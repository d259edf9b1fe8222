#include "screens/frm_paused.h"

#include "screens/frm_order.h"
#include "startup/app_picture.h"
#include "startup/program.h"

namespace orbelon::screens {

using startup::Sound;

frmPaused::frmPaused(startup::Program& program)
    : Form(program.runtime, "frmPaused"),
      Command1(*this, "Command1", {465, 1080, 2055, 495}),
      Command2(*this, "Command2", {465, 1800, 2055, 495}),
      program_(program) {
  SetBorder(platform::BorderStyle::None);
  SetClientSize(2985, 2820);
  SetPicture(startup::AppPicture(program.runtime, "paused.png"));
  SetKeyPreview(true);

  const platform::Font font{.name = "MS Sans Serif", .size = 9.75f, .bold = true};
  Command1.SetCaption("Quit Orbelon");
  Command1.SetFont(font);
  Command1.SetTabIndex(0);
  Command1.Click = [this] { Command1_Click(); };
  Command2.SetCaption("Continue");
  Command2.SetFont(font);
  Command2.SetTabIndex(1);
  Command2.Click = [this] { Command2_Click(); };
}

void frmPaused::Form_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii == 27) {
    Command2_Click();
    KeyAscii = 0;
  }
}

void frmPaused::Command1_Click() {
  startup::SoundBank& bank = program_.module1.bank;
  bank.Stop(Sound::sTheme);
  bank.Play(Sound::sMsgb, 1);
  bank.Stop(Sound::sLaser);
  Hide();
  // The pointer the play window showed for the pause stays shown under the closing window.
  program_.ClosingWindow().ShowModal();
  program_.runtime.End(0);
}

void frmPaused::Command2_Click() {
  // The counterpart of the show the play window made before it paused.
  program_.runtime.GetBackend().ShowCursor(false);
  Unload();
}

}  // namespace orbelon::screens
