// A small program on the real backend for the end-to-end test of windows, input and boxes: it
// writes on stdout what reaches it, one line per event.

#include <cstdio>
#include <memory>

#include "platform/error.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using namespace orbelon;

void Say(const char* format, auto... values) {
  std::printf(format, values...);
  std::printf("\n");
  std::fflush(stdout);
}

constexpr int kTwips = platform::kTwipsPerPixel;

class SampleForm : public platform::Form {
 public:
  explicit SampleForm(platform::Runtime& runtime) : Form(runtime, "SampleForm") {
    SetCaption("Sample Window");
    SetClientSize(300 * kTwips, 200 * kTwips);
    SetBackColor(platform::RGB(0, 0, 128));
    SetKeyPreview(true);
    press.SetCaption("Press");
    press.Click = [] { Say("click Press"); };
    note.SetCaption("Esc: box, h: hide, r: read, q: quit");
    note.SetForeColor(platform::RGB(255, 255, 0));
  }

  void Form_Load() override { Say("loaded"); }

  void Form_KeyPress(int16_t& key) override {
    Say("key %d", key);
    platform::Runtime& runtime = GetRuntime();
    platform::Backend& backend = runtime.GetBackend();
    if (key == 27) {
      int answer = runtime.MsgBox("Hello from the box", platform::vbOKOnly, "Sample Box");
      Say("box closed %d", answer);
    } else if (key == 'h') {
      backend.ShowCursor(false);
      backend.MoveMouseAbsolute(30000, 30000);
      centre_ = backend.GetCursorPos();
      Say("hidden");
    } else if (key == 'r') {
      platform::PointL now = backend.GetCursorPos();
      Say("moved %d %d", now.x - centre_.x, now.y - centre_.y);
      backend.ShowCursor(true);
    } else if (key == 'q') {
      runtime.End(0);
    }
    key = 0;
  }

  platform::CommandButton press{
      *this, "Press", {100 * kTwips, 120 * kTwips, 100 * kTwips, 30 * kTwips}};
  platform::Label note{*this, "note", {10 * kTwips, 10 * kTwips, 280 * kTwips, 40 * kTwips}};

 private:
  platform::PointL centre_{};
};

}  // namespace

int main() {
  std::unique_ptr<sdl::SdlBackend> backend;
  try {
    backend = sdl::SdlBackend::Create();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sample_window: %s\n", error.what());
    return 1;
  }
  platform::Runtime runtime(*backend, sdl::SdlBackend::ProgramFolder(), "");
  try {
    SampleForm form(runtime);
    form.ShowModal();
  } catch (const platform::ProcessExit& exit) {
    Say("exit %d", exit.status);
    return exit.status;
  } catch (const std::exception& error) {
    runtime.ReportFatal(error.what());
    return 1;
  }
  return 0;
}
