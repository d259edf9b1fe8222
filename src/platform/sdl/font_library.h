#pragma once

#include <map>
#include <string>
#include <tuple>

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include "platform/runtime/controls.h"

namespace orbelon::sdl {

// The fonts of labels and buttons, opened once per face and size. "MS Sans Serif" maps to the
// sans font that fontconfig finds (Liberation Sans, else DejaVu Sans), with its own bold and
// italic faces; sizes are points at 96 dots per inch.
class FontLibrary {
 public:
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // Throws PlatformError when no font file can be found or opened.
  TTF_Font* Get(const platform::Font& font);

 private:
  // The file that stands in for a family.
  std::string FindFile(const std::string& family, bool bold, bool italic);

  using Key = std::tuple<std::string, int, bool, bool, bool>;
  std::map<Key, TTF_Font*> fonts_;
  FcConfig* config_ = nullptr;  // loaded at the first look-up
};

// Pixels of a font size in points on a 96 dots-per-inch screen.
int PointsToPixels(float points);

}  // namespace orbelon::sdl
