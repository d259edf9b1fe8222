// The work of one pass of the frame loop on level 1 with the ball rolling: everything a pass does
// but its pacing wait, with the real picks. Once on the scripted platform (no drawing) and once
// on the real one, drawing with OpenGL (llvmpipe where there is no GPU). Reports the median and
// the 99th percentile in microseconds.
//
// The game runs unchanged; a backend in front of the real one marks each pass at its keyboard
// poll, subtracts the time spent blocked in the pacing wait, answers the "Ready:" box and plays
// a steady hand that rocks the board so the ball rolls to and fro without leaving it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/frm_vorlet.h"
#include "platform/error.h"
#include "platform/runtime/message_box.h"
#include "platform/runtime/runtime.h"
#include "platform/scripted/scripted_backend.h"
#include "platform/sdl/sdl_backend.h"
#include "startup/program.h"

namespace {

using namespace orbelon;
using Clock = std::chrono::steady_clock;

struct EnoughPasses {};

double Micros(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

// The keyboard device of the backend, reporting each poll: the frame loop polls once a pass.
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

class PassTimer : public platform::Backend {
 public:
  PassTimer(platform::Backend& inner, int passes) : inner_(inner), wanted_(passes) {}

  startup::Program* program = nullptr;
  std::vector<double> pass_us;
  float fastest = 0;  // the ball's top speed, to show that it rolled

  uint32_t TimeGetTime() override { return inner_.TimeGetTime(); }
  int WallSecond() override { return inner_.WallSecond(); }
  bool PollEvent(platform::InputEvent& event) override {
    // The player closes every box at once.
    if (box_window_ != 0 && box_shown_) {
      event = platform::InputEvent{platform::EventType::KeyPress, box_window_, 13, 0, 0, 0};
      box_window_ = 0;
      return true;
    }
    return inner_.PollEvent(event);
  }
  void WaitEvent(uint32_t timeout_ms) override {
    const Clock::time_point start = Clock::now();
    inner_.WaitEvent(timeout_ms);
    excluded_ += Clock::now() - start;
  }
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
  // The real pointer calls are made for their cost; the position is the steady hand's.
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
    const Clock::time_point now = Clock::now();
    // The first passes warm the caches up.
    if (passes_ > 10) {
      pass_us.push_back(Micros(now - last_ - excluded_));
    }
    if (static_cast<int>(pass_us.size()) == wanted_) {
      throw EnoughPasses{};
    }
    ++passes_;
    Steer();
    excluded_ = Clock::now() - now;
    last_ = now;
  }

  // Tilts right, then every 40 passes twice as far the other way: the ball swings between its
  // start and 40 units to the right. The UFO is sent back now and then so that it never
  // catches the ball.
  void Steer() {
    constexpr int kPixels = 20;
    if (passes_ == 1) {
      hand_.x += kPixels;
    } else if (passes_ % 40 == 21) {
      hand_.x += ((passes_ / 40) % 2 == 0 ? -2 : 2) * kPixels;
    }
    engine::frmVorlet& w = program->PlayWindow();
    fastest = std::max(fastest, std::abs(w.xSpeed));
    if (passes_ % 200 == 0) {
      w.fUFO.SetPosition(w.fBase, 700, w.StartY + 69, 0);
    }
  }

  platform::Backend& inner_;
  int wanted_;
  int passes_ = 0;
  Clock::time_point last_;
  Clock::duration excluded_{};
  platform::PointL hand_{500, 400};
  int box_window_ = 0;
  bool box_shown_ = false;
};

// Plays level 1 on the backend until enough passes are measured.
void MeasurePasses(benchmark::State& state, platform::Backend& backend, int passes) {
  PassTimer timer(backend, passes);
  for (auto _ : state) {
    platform::Runtime runtime(timer, ORBELON_GAME_DIR, "");
    startup::Program program(runtime);
    program.module1.AppPath = runtime.AppPath();
    program.module1.DxRoot = true;
    program.module1.SoundOff = true;
    timer.program = &program;
    timer.pass_us.clear();
    try {
      program.PlayWindow().Show();
    } catch (const EnoughPasses&) {
    }
    std::vector<double> times = timer.pass_us;
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    state.SetIterationTime(median / 1e6);
    state.counters["median_us"] = median;
    state.counters["p99_us"] = p99;
    state.counters["max_us"] = times.back();
    const engine::frmVorlet& w = program.PlayWindow();
    state.counters["lives_left"] = w.Lives;
    state.counters["top_speed"] = timer.fastest;
  }
}

void PassWithoutDrawing(benchmark::State& state) {
  scripted::ScriptedBackend backend;
  MeasurePasses(state, backend, 3000);
}

void PassWithDrawing(benchmark::State& state) {
  if (const char* display = std::getenv("DISPLAY"); display == nullptr || *display == '\0') {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
  }
  std::unique_ptr<sdl::SdlBackend> backend;
  try {
    backend = sdl::SdlBackend::Create();
  } catch (const platform::PlatformError& error) {
    state.SkipWithError(error.what());
    return;
  }
  MeasurePasses(state, *backend, 600);
}

BENCHMARK(PassWithoutDrawing)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(PassWithDrawing)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
