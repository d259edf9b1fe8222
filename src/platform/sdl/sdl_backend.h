#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace orbelon::sdl {

// The real platform on SDL2, OpenGL (through libepoxy), SDL2_mixer and SDL2_ttf.
class SdlBackend : public platform::Backend {
 public:
  // Starts SDL's video; throws PlatformError with a clear message when there is no display.
  static std::unique_ptr<SdlBackend> Create();
  // The folder of the executable, without a separator at the end.
  static std::string ProgramFolder();
};

}  // namespace orbelon::sdl
