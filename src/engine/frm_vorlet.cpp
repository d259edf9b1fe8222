// The play window as it is designed: its controls, its look and its event wiring. The state is
// set up by Form_Load (frame_loop.cpp).

#include "engine/frm_vorlet.h"

#include <string>
#include <utility>

#include "levels/level_data.h"
#include "platform/error.h"
#include "platform/runtime/picture.h"
#include "startup/program.h"

namespace orbelon::engine {

namespace {

using platform::Alignment;
using platform::Font;
using platform::RGB;

constexpr uint32_t kYellow = RGB(255, 255, 0);
constexpr int kDiagnosticLeft = 7200;  // right of the client area: never seen
constexpr int kDiagnosticWidth = 735;
constexpr int kDiagnosticHeight = 285;

Font SansFont(float size, bool bold, bool italic = false) {
  Font font;
  font.size = size;
  font.bold = bold;
  font.italic = italic;
  return font;
}

void Design(Label& label, std::string caption, uint32_t color, Font font,
            Alignment alignment = Alignment::Left) {
  label.SetCaption(std::move(caption));
  label.SetForeColor(color);
  label.SetFont(std::move(font));
  label.SetAlignment(alignment);
  label.SetTransparent(true);
}

platform::Picture LoadWindowPicture(const startup::Program& program, const std::string& name) {
  return platform::LoadPicture(platform::NativePath(program.runtime.AppPath() + name));
}

}  // namespace

frmVorlet::frmVorlet(startup::Program& owner)
    : Form(owner.runtime, "frmVorlet"),
      Tessor1(*this, "Tessor1", {0, 360, 6495, 5175}),
      Label9(*this, "Label9", {120, 45, 3255, 255}),
      Label8(*this, "Label8", {4800, 45, 1575, 255}),
      Label2(*this, "Label2", {240, 5640, 1215, 255}),
      lblScore(*this, "lblScore", {1320, 5640, 1215, 255}),
      Label3(*this, "Label3", {2400, 5640, 615, 255}),
      Label4(*this, "Label4", {2400, 5880, 735, 255}),
      Label1(*this, "Label1", {2280, 6120, 975, 375}),
      Label5(*this, "Label5", {240, 6120, 1215, 375}),
      Label7(*this, "Label7", {240, 6360, 975, 255}),
      Label6(*this, "Label6", {0, 6600, 6495, 240}),
      Image1(*this, "Image1", {3600, 5520, 1020, 1020}),
      Image2(*this, "Image2", {4560, 5520, 1020, 1020}),
      Image3(*this, "Image3", {5520, 5520, 1020, 1020}),
      Text1(*this, "Text1", {kDiagnosticLeft, 480, kDiagnosticWidth, kDiagnosticHeight}),
      Text2(*this, "Text2", {kDiagnosticLeft, 720, kDiagnosticWidth, kDiagnosticHeight}),
      Text3(*this, "Text3", {kDiagnosticLeft, 1080, kDiagnosticWidth, kDiagnosticHeight}),
      Text4(*this, "Text4", {kDiagnosticLeft, 1320, kDiagnosticWidth, kDiagnosticHeight}),
      Text5(*this, "Text5", {kDiagnosticLeft, 1560, kDiagnosticWidth, kDiagnosticHeight}),
      Text6(*this, "Text6", {kDiagnosticLeft, 1920, kDiagnosticWidth, kDiagnosticHeight}),
      Text7(*this, "Text7", {kDiagnosticLeft, 2160, kDiagnosticWidth, kDiagnosticHeight}),
      Text8(*this, "Text8", {kDiagnosticLeft, 2520, kDiagnosticWidth, kDiagnosticHeight}),
      Text9(*this, "Text9", {kDiagnosticLeft, 2760, kDiagnosticWidth, kDiagnosticHeight}),
      Text10(*this, "Text10", {kDiagnosticLeft, 3120, kDiagnosticWidth, kDiagnosticHeight}),
      Text11(*this, "Text11", {kDiagnosticLeft, 3360, kDiagnosticWidth, kDiagnosticHeight}),
      Text12(*this, "Text12", {kDiagnosticLeft, 4320, kDiagnosticWidth, kDiagnosticHeight}),
      Text13(*this, "Text13", {kDiagnosticLeft, 3720, kDiagnosticWidth, kDiagnosticHeight}),
      Text14(*this, "Text14", {kDiagnosticLeft, 3960, kDiagnosticWidth, kDiagnosticHeight}),
      Text15(*this, "Text15", {kDiagnosticLeft, 120, kDiagnosticWidth, kDiagnosticHeight}),
      Text16(*this, "Text16", {360, 480, 5055, kDiagnosticHeight}),
      Timer1(*this, "Timer1", 1, true),
      Timer2(*this, "Timer2", 10000, true),
      Timer3(*this, "Timer3", 5000, false),
      Timer4(*this, "Timer4", 3000, false),
      program(owner),
      module1(owner.module1) {
  SetCaption("Orbelon V3.01   -   Thank you for playing!");
  SetBorder(platform::BorderStyle::FixedSingle);
  SetClientSize(6450, 6825);
  SetBackColor(RGB(0, 0, 0));
  // 450 x 500 pixels, larger than the client area: its right and bottom edges are cut off.
  SetPicture(LoadWindowPicture(owner, "\\background.png"));
  SetKeyPreview(true);

  Design(Label9, levels::Level1Data().checkpoints_caption, RGB(255, 192, 255),
         SansFont(9.75f, true));
  Design(Label8, levels::Level1Data().level_caption, RGB(0, 0, 192), SansFont(9.75f, true));
  Design(Label2, "SCORE:", kYellow, SansFont(12, true));
  Design(lblScore, "000000", kYellow, SansFont(12, true));
  Design(Label3, "Time", kYellow, SansFont(9.75f, true));
  Design(Label4, "Bonus:", kYellow, SansFont(9.75f, true));
  Design(Label1, "", kYellow, SansFont(13.5f, true), Alignment::Center);
  Label1.SetVisible(false);
  Design(Label5, "Shooter", kYellow, SansFont(12, true, true));
  Design(Label7, "Speed: 1", kYellow, SansFont(8.25f, false));
  Label7.SetVisible(false);
  Design(Label6, "* Press Esc to Quit/Pause *", RGB(128, 255, 255), SansFont(8.25f, true),
         Alignment::Center);

  const platform::Picture life = LoadWindowPicture(owner, "\\life.png");
  for (Image* image : {&Image1, &Image2, &Image3}) {
    image->SetPicture(life);
    image->SetBorder(true);
    image->SetVisible(false);
  }

  // Diagnostic read-outs: written during play, never shown.
  for (TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9,
                       &Text10, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16}) {
    box->SetVisible(false);
  }
  Text4.SetBackColor(RGB(192, 255, 255));
  Text8.SetBackColor(RGB(255, 192, 192));
  Text9.SetBackColor(RGB(255, 192, 192));
  Text16.SetText("Text16");

  Tessor1.MouseButton = [this](int16_t button, int16_t, float, float) {
    Tessor1_MouseButton(button);
  };
  Tessor1.EmptyEvent = [this](int32_t value) { Tessor1_EmptyHandler(value); };
  Timer1.OnTimer = [this] { Timer1_Timer(); };
  Timer2.OnTimer = [this] { Timer2_Timer(); };
  Timer3.OnTimer = [this] { Timer3_Timer(); };
  Timer4.OnTimer = [this] { Timer4_Timer(); };
}

frmVorlet::~frmVorlet() = default;

const Vector& frmVorlet::CurrentCheckpoint() const {
  if (CurrentPod < 0 || CurrentPod >= static_cast<int>(PodPos.size())) {
    throw platform::PlatformError("checkpoint " + std::to_string(CurrentPod) +
                                  " lies outside the checkpoint table");
  }
  return PodPos[static_cast<size_t>(CurrentPod)];
}

}  // namespace orbelon::engine
