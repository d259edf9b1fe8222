#pragma once

// The real backend for the tests of this folder, made once per test program. Without an X
// display (DISPLAY empty) it runs on SDL's offscreen driver, which draws but takes no input.

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
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
  int x, y, w, h;
};

struct Rgb {
  int r, g, b;
};

inline Rgb At(const sdl::Pixels& pixels, int x, int y) {
  const uint8_t* p = &pixels.rgba[(static_cast<size_t>(y) * pixels.width + x) * 4];
  return Rgb{p[0], p[1], p[2]};
}

inline std::ostream& operator<<(std::ostream& out, Rgb c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Within a few steps of the colour in every channel: 16-bit targets and blending round.
inline bool Near(Rgb c, Rgb want, int tolerance = 8) {
  return std::abs(c.r - want.r) <= tolerance && std::abs(c.g - want.g) <= tolerance &&
         std::abs(c.b - want.b) <= tolerance;
}

// The colour at a pixel is within the tolerance of the one wanted; a failure tells what is there.
inline ::testing::AssertionResult ColourAt(const sdl::Pixels& pixels, int x, int y, Rgb want,
                                           int tolerance = 8) {
  if (Near(At(pixels, x, y), want, tolerance)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "(" << x << ", " << y << ") is " << At(pixels, x, y) << ", not " << want;
}

// Writes the pixels as a PNG into the test output folder, for a person to look at.
inline void SavePng(const sdl::Pixels& pixels, const std::string& name) {
  const std::string path = std::string(ORBELON_TEST_OUTPUT) + "/" + name;
  EXPECT_NE(stbi_write_png(path.c_str(), pixels.width, pixels.height, 4, pixels.rgba.data(),
                           pixels.width * 4),
            0)
      << "cannot write " << path;
}

}  // namespace orbelon::testing
