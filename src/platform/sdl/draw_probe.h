#pragma once

#include <cstdint>
#include <cstdio>

namespace orbelon::sdl {

// For the benchmark of play: with ORBELON_DRAW_PROBE naming a file, writes one line per pass,
// the process's CPU time of the pass and the parts of it spent drawing the scene and putting the
// windows together, in microseconds. A pass runs from one scene drawing to the next. Each part
// waits for the GPU at its end, so that work the driver defers is counted where it was asked for.
// Without the variable it does nothing beyond a test of one pointer per drawing call.
class DrawProbe {
 public:
  enum class Part { Scene, Windows };

  DrawProbe();
  ~DrawProbe();
  DrawProbe(const DrawProbe&) = delete;
  DrawProbe& operator=(const DrawProbe&) = delete;

  // Brackets one part while it lives.
  class Scope {
   public:
    Scope(DrawProbe& probe, Part part);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    DrawProbe* probe_;
    Part part_;
    int64_t start_ = 0;
  };

 private:
  void Add(Part part, int64_t start, int64_t end);
  void WritePass(int64_t now);

  std::FILE* out_ = nullptr;
  int64_t pass_start_ = -1;
  int64_t scene_ = 0;
  int64_t windows_ = 0;
};

}  // namespace orbelon::sdl
