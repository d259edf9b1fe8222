#include "platform/sdl/draw_probe.h"

#include <time.h>

#include <cstdlib>

#include <epoxy/gl.h>

namespace orbelon::sdl {

namespace {

// The CPU time of every thread of the process, the driver's render threads among them.
int64_t ProcessMicros() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

}  // namespace

DrawProbe::DrawProbe() {
  const char* path = std::getenv("ORBELON_DRAW_PROBE");
  if (path != nullptr && *path != '\0') {
    out_ = std::fopen(path, "w");
    if (out_ != nullptr) {
      // Line by line, so that a reader counting lines sees each pass as it ends.
      std::setvbuf(out_, nullptr, _IOLBF, 0);
      std::fputs("# pass_cpu_us scene_us windows_us\n", out_);
    }
  }
}

DrawProbe::~DrawProbe() {
  if (out_ != nullptr) {
    std::fclose(out_);
  }
}

DrawProbe::Scope::Scope(DrawProbe& probe, Part part)
    : probe_(probe.out_ != nullptr ? &probe : nullptr), part_(part) {
  if (probe_ == nullptr) {
    return;
  }
  start_ = ProcessMicros();
  if (part_ == Part::Scene) {
    probe_->WritePass(start_);
  }
}

DrawProbe::Scope::~Scope() {
  if (probe_ != nullptr) {
    glFinish();
    probe_->Add(part_, start_, ProcessMicros());
  }
}

void DrawProbe::Add(Part part, int64_t start, int64_t end) {
  (part == Part::Scene ? scene_ : windows_) += end - start;
}

void DrawProbe::WritePass(int64_t now) {
  if (pass_start_ >= 0) {
    std::fprintf(out_, "%lld %lld %lld\n", static_cast<long long>(now - pass_start_),
                 static_cast<long long>(scene_), static_cast<long long>(windows_));
  }
  pass_start_ = now;
  scene_ = windows_ = 0;
}

}  // namespace orbelon::sdl
