#include "screens/frm_order.h"

#include "engine/frm_vorlet.h"
#include "startup/app_picture.h"
#include "startup/program.h"

namespace orbelon::screens {

using platform::Alignment;
using platform::Font;
using platform::RGB;

namespace {

const Font kBody{.name = "MS Sans Serif", .size = 9.75f, .bold = true};
const Font kHeading{.name = "MS Sans Serif", .size = 13.5f, .bold = true};

void Dress(platform::Label& label, const std::string& caption, const Font& font, uint32_t colour,
           Alignment alignment = Alignment::Left) {
  label.SetCaption(caption);
  label.SetFont(font);
  label.SetForeColor(colour);
  label.SetAlignment(alignment);
}

}  // namespace

frmOrder::frmOrder(startup::Program& program)
    : Form(program.runtime, "frmOrder"),
      Label1(*this, "Label1", {120, 120, 4695, 1095}),
      Label2(*this, "Label2", {840, 1440, 4215, 495}),
      Label7(*this, "Label7", {480, 2040, 4695, 375}),
      Label3(*this, "Label3", {120, 2400, 5535, 1575}),
      Label5(*this, "Label5", {2640, 3960, 2295, 375}),
      Label8(*this, "Label8", {2640, 4200, 2295, 375}),
      Label6(*this, "Label6", {1920, 5040, 3615, 255}),
      Label4(*this, "Label4", {1920, 5280, 3735, 615}),
      OKButton(*this, "OKButton", {2760, 4560, 1935, 375}),
      Command1(*this, "Command1", {360, 5280, 1095, 375}),
      program_(program) {
  SetCaption("Orbelon");
  SetBorder(platform::BorderStyle::FixedDialog);
  SetClientSize(5730, 5940);
  SetBackColor(RGB(0, 0, 0));
  SetPicture(startup::AppPicture(program.runtime, "closing.png"));

  const uint32_t black = RGB(0, 0, 0);
  Dress(Label1, "Thank you for playing Orbelon! We hope the board treated you kindly.", kBody,
        black);
  Font underlined = kHeading;
  underlined.underline = true;
  Dress(Label2, "Orbelon V3.01", underlined, RGB(128, 255, 255));
  Dress(Label7, "Keep on rolling", kHeading, black, Alignment::Center);
  Dress(Label3,
        "Every checkpoint you reached, every jump past the UFO and every rage on the board "
        "counted. The two levels are waiting for you whenever you want another go.",
        kBody, black);
  Dress(Label5, "See you soon", kBody, black);
  Dress(Label8, "on the board.", kBody, black);
  Dress(Label6, "Orbelon V3.01", Font{.name = "MS Sans Serif", .size = 8.25f, .bold = true}, black,
        Alignment::Center);
  // The one label on a ground of its own, in the window's plain font.
  Dress(Label4, "Press Exit to leave the game.", Font{}, RGB(255, 255, 128));
  Label4.SetTransparent(false);
  Label4.SetBackColor(black);

  OKButton.SetCaption("Exit");
  OKButton.SetFont(Font{.name = "MS Sans Serif", .size = 8.25f, .bold = true});
  OKButton.SetTabIndex(0);
  OKButton.SetDefault(true);
  OKButton.Click = [this] { OKButton_Click(); };
  Command1.SetCaption("Hint");
  Command1.SetTabIndex(1);
  Command1.SetVisible(false);
}

void frmOrder::Form_Load() {
  // The play window stays loaded: its load handler still waits further down the call chain.
  if (program_.HasPlayWindow()) {
    program_.PlayWindow().Hide();
  }
}

void frmOrder::OKButton_Click() {
  Unload();
}

void frmOrder::Form_CloseRequest() {
  OKButton_Click();
}

}  // namespace orbelon::screens
