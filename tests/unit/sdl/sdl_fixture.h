#pragma once

// The real backend for the tests of this folder, made once per test program. Without an X
// display (DISPLAY empty) it runs on SDL's offscreen driver, which draws but takes no input.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"
#include "platform/sdl/sdl_backend.h"

namespace orbelon::testing {

inline bool HasXDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && display[0] != '\0';
}

inline sdl::SdlBackend& Backend() {
  static std::unique_ptr<sdl::SdlBackend> backend = [] {
    if (!HasXDisplay()) {
      setenv("SDL_VIDEODRIVER", "offscreen", 1);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return sdl::SdlBackend::Create();
  }();
  return *backend;
}

inline platform::Runtime& TestRuntime() {
  static platform::Runtime runtime(Backend(), sdl::SdlBackend::ProgramFolder(), "");
  return runtime;
}

// A plain form of the given client size in pixels.
class PlainForm : public platform::Form {
 public:
  PlainForm(const std::string& name, int width, int height) : Form(TestRuntime(), name) {
    SetClientSize(width * platform::kTwipsPerPixel, height * platform::kTwipsPerPixel);
  }
};

// A rectangle in pixels, as the controls take it (twips).
inline platform::Rect Twips(int left, int top, int width, int height) {
  constexpr int k = platform::kTwipsPerPixel;
  return platform::Rect{left * k, top * k, width * k, height * k};
}

// A rectangle in pixels.
struct Area {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

inline Rgb At(const sdl::Pixels& pixels, int x, int y) {
  const uint8_t* p = &pixels.rgba[(static_cast<size_t>(y) * pixels.width + x) * 4];
  return Rgb{p[0], p[1], p[2]};
}

inline std::string Describe(Rgb c) {
  // Appended piece by piece: GCC 12 at -O3 mistakes "(" + std::string for an overlapping copy.
  std::string text = "(";
  text += std::to_string(c.r);
  text += ", ";
  text += std::to_string(c.g);
  text += ", ";
  text += std::to_string(c.b);
  text += ")";
  return text;
}

// Within a few steps of the colour in every channel: 16-bit targets and blending round.
inline bool Near(Rgb c, Rgb want, int tolerance = 8) {
  return std::abs(c.r - want.r) <= tolerance && std::abs(c.g - want.g) <= tolerance &&
         std::abs(c.b - want.b) <= tolerance;
}

// Writes the pixels as a PNG into the test output folder, for a person to look at.
void SavePng(const sdl::Pixels& pixels, const std::string& name);

}  // namespace orbelon::testing
