// Pictures of play, to hold one build's drawing against another's: level 1 on the real backend,
// with the steady hand of bench_pass, the "Ready:" box answered at once; every 25 passes the
// canvas's picture and the window as Present shows it are written as PNG files. The passes are
// the same from run to run (only the clock's label follows the wall clock), so the pictures of
// two builds can be compared pixel for pixel:
//
//   build/tests/bench_frames /tmp/new && OTHER/build/tests/bench_frames /tmp/old
//   for f in /tmp/new/*.png; do compare -metric AE $f /tmp/old/${f##*/} null:; echo; done
//
// It uses only what the backend offered before the drawing was made cheaper, so the file builds
// unchanged in an older checkout (copy it into its tests/bench).

#include <stb_image_write.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "engine/frm_vorlet.h"
#include "platform/runtime/message_box.h"
#include "platform/runtime/runtime.h"
#include "platform/sdl/sdl_backend.h"
#include "startup/program.h"

namespace {

using namespace orbelon;

struct EnoughPasses {};

// The keyboard device, reporting each poll: the frame loop polls once a pass.
class MarkedKeyboard : public platform::KeyboardDevice {
 public:
  MarkedKeyboard(std::unique_ptr<platform::KeyboardDevice> inner, std::function<void()> on_poll)
      : inner_(std::move(inner)), on_poll_(std::move(on_poll)) {}
  void SetCommonDataFormat(int format) override { inner_->SetCommonDataFormat(format); }
  void SetCooperativeLevel(int window, int flags) override {
    inner_->SetCooperativeLevel(window, flags);
  }
  void Acquire() override { inner_->Acquire(); }
  void GetDeviceStateKeyboard(std::array<uint8_t, 256>& state) override {
    on_poll_();
    inner_->GetDeviceStateKeyboard(state);
  }

 private:
  std::unique_ptr<platform::KeyboardDevice> inner_;
  std::function<void()> on_poll_;
};

// The real backend, with the player's hand and eyes in front of it.
class Player : public platform::Backend {
 public:
  Player(sdl::SdlBackend& inner, std::string folder) : inner_(inner), folder_(std::move(folder)) {}

  startup::Program* program = nullptr;

  uint32_t TimeGetTime() override { return inner_.TimeGetTime(); }
  int WallSecond() override { return inner_.WallSecond(); }
  bool PollEvent(platform::InputEvent& event) override {
    if (box_window_ != 0 && box_shown_) {
      event = platform::InputEvent{platform::EventType::KeyPress, box_window_, 13, 0, 0, 0};
      box_window_ = 0;
      return true;
    }
    return inner_.PollEvent(event);
  }
  void WaitEvent(uint32_t timeout_ms) override { inner_.WaitEvent(timeout_ms); }
  int CreateWindow(const platform::Form& form) override {
    const int window = inner_.CreateWindow(form);
    if (dynamic_cast<const platform::MessageBoxForm*>(&form) != nullptr) {
      box_window_ = window;
      box_shown_ = false;
    }
    return window;
  }
  void DestroyWindow(int window) override { inner_.DestroyWindow(window); }
  void ShowWindow(int window, bool visible) override {
    box_shown_ = box_shown_ || (window == box_window_ && visible);
    inner_.ShowWindow(window, visible);
  }
  void SetWindowOwner(int window, int owner, bool message_box) override {
    inner_.SetWindowOwner(window, owner, message_box);
  }
  void FocusWindow(int window) override { inner_.FocusWindow(window); }
  void Present(const platform::Form& form) override { inner_.Present(form); }
  void RenderCanvas(const platform::Tessor& canvas) override { inner_.RenderCanvas(canvas); }
  void MoveMouseAbsolute(int x, int y) override {
    inner_.MoveMouseAbsolute(x, y);
    hand_ = {500, 400};
  }
  platform::PointL GetCursorPos() override {
    inner_.GetCursorPos();
    return hand_;
  }
  int ShowCursor(bool show) override { return inner_.ShowCursor(show); }
  std::unique_ptr<platform::SoundSystem> CreateSoundSystem() override {
    return inner_.CreateSoundSystem();
  }
  std::unique_ptr<platform::KeyboardDevice> CreateKeyboardDevice(const std::string& guid) override {
    return std::make_unique<MarkedKeyboard>(inner_.CreateKeyboardDevice(guid),
                                            [this] { PassBegins(); });
  }
  int DisplayBitsPerPixel() override { return inner_.DisplayBitsPerPixel(); }

 private:
  void PassBegins() {
    ++passes_;
    if (passes_ % 25 == 5) {
      engine::frmVorlet& w = program->PlayWindow();
      Save(inner_.ReadCanvasPixels(w.Tessor1), "canvas");
      Save(inner_.ReadWindowPixels(w), "window");
    }
    if (passes_ == 400) {
      throw EnoughPasses{};
    }
    // As bench_pass steers: right, then every 40 passes twice as far the other way; the UFO is
    // sent back now and then.
    if (passes_ == 1) {
      hand_.x += 20;
    } else if (passes_ % 40 == 21) {
      hand_.x += (passes_ / 40) % 2 == 0 ? -40 : 40;
    }
    if (passes_ % 200 == 0) {
      engine::frmVorlet& w = program->PlayWindow();
      w.fUFO.SetPosition(w.fBase, 700, w.StartY + 69, 0);
    }
  }

  void Save(const sdl::Pixels& pixels, const char* what) const {
    char name[64];
    std::snprintf(name, sizeof name, "/%s-%03d.png", what, passes_);
    stbi_write_png((folder_ + name).c_str(), pixels.width, pixels.height, 4, pixels.rgba.data(),
                   pixels.width * 4);
  }

  sdl::SdlBackend& inner_;
  std::string folder_;
  int passes_ = 0;
  platform::PointL hand_{500, 400};
  int box_window_ = 0;
  bool box_shown_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  auto backend = sdl::SdlBackend::Create();
  Player player(*backend, argv[1]);
  platform::Runtime runtime(player, ORBELON_GAME_DIR, "");
  startup::Program program(runtime);
  program.module1.AppPath = runtime.AppPath();
  program.module1.DxRoot = true;
  program.module1.SoundOff = true;
  player.program = &program;
  try {
    program.PlayWindow().Show();
  } catch (const EnoughPasses&) {
  }
  std::printf("lives left: %d\n", program.PlayWindow().Lives);
  return 0;
}
