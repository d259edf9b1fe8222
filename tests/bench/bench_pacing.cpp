// The frame loop's pacing on the real runtime and backend: passes of 30 ms with a 15 ms timer
// ticking beside them, for 10 s. Reports the CPU used as a share of one core and how late each
// pass ended past its deadline (median and largest).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using namespace orbelon;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class PacedForm : public platform::Form {
 public:
  explicit PacedForm(platform::Runtime& runtime) : Form(runtime, "PacedForm") {
    SetCaption("Pacing");
    SetClientSize(200 * platform::kTwipsPerPixel, 100 * platform::kTwipsPerPixel);
    timer.OnTimer = [this] { ++ticks; };
  }
  platform::Timer timer{*this, "Timer1", 15, true};
  int ticks = 0;
};

void PacedLoop(benchmark::State& state) {
  if (const char* display = std::getenv("DISPLAY"); display == nullptr || *display == '\0') {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
  }
  auto backend = sdl::SdlBackend::Create();
  platform::Runtime runtime(*backend, sdl::SdlBackend::ProgramFolder(), "");
  PacedForm form(runtime);
  form.Show();

  constexpr uint32_t kPeriod = 30;
  constexpr uint32_t kLength = 10000;
  std::vector<double> lateness;
  double cpu = 0;
  for (auto _ : state) {
    double cpu_start = CpuSeconds();
    uint32_t start = runtime.TimeGetTime();
    while (runtime.TimeGetTime() - start < kLength) {
      uint32_t deadline = runtime.TimeGetTime() + kPeriod;
      runtime.DoEvents();
      runtime.PaceUntil(deadline);
      lateness.push_back(
          static_cast<double>(static_cast<int32_t>(runtime.TimeGetTime() - deadline)));
    }
    cpu = (CpuSeconds() - cpu_start) / (kLength / 1000.0);
  }
  std::sort(lateness.begin(), lateness.end());
  double median = lateness[lateness.size() / 2];
  double largest = lateness.back();
  state.counters["passes"] = static_cast<double>(lateness.size());
  state.counters["timer_ticks"] = form.ticks;
  state.counters["cpu_percent_of_a_core"] = cpu * 100;
  state.counters["late_median_ms"] = median;
  state.counters["late_max_ms"] = largest;
  std::printf(
      "paced loop: %zu passes, %d timer ticks, CPU %.2f %% of a core, late by %.1f ms "
      "(median), %.1f ms (max)\n",
      lateness.size(), form.ticks, cpu * 100, median, largest);
}

BENCHMARK(PacedLoop)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
