#include "platform/sdl/font_library.h"

#include <strings.h>
#include <cmath>

#include <fontconfig/fontconfig.h>

#include "platform/error.h"

namespace orbelon::sdl {

namespace {

// The families that stand in for the old bitmap sans face, best first.
constexpr const char* kSansFamilies[] = {"Liberation Sans", "DejaVu Sans"};

bool IsSansAlias(const std::string& family) {
  return strcasecmp(family.c_str(), "MS Sans Serif") == 0 ||
         strcasecmp(family.c_str(), "sans-serif") == 0 || family.empty();
}

// The file fontconfig gives for the family; with exact, only a face of that very family counts.
std::string Match(FcConfig* config, const std::string& family, bool bold, bool italic, bool exact) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  std::string file;
  if (match != nullptr) {
    FcChar8* matched_family = nullptr;
    FcChar8* matched_file = nullptr;
    bool same_family =
        FcPatternGetString(match, FC_FAMILY, 0, &matched_family) == FcResultMatch &&
        strcasecmp(reinterpret_cast<const char*>(matched_family), family.c_str()) == 0;
    if ((same_family || !exact) &&
        FcPatternGetString(match, FC_FILE, 0, &matched_file) == FcResultMatch) {
      file = reinterpret_cast<const char*>(matched_file);
    }
    FcPatternDestroy(match);
  }
  return file;
}

}  // namespace

int PointsToPixels(float points) {
  return static_cast<int>(std::lround(points * 96.0f / 72.0f));
}

std::string FontLibrary::FindFile(const std::string& family, bool bold, bool italic) {
  // A configuration of our own rather than fontconfig's default one: it goes with this library,
  // and all that fontconfig loaded for it with it. The default one lives to the end of the
  // process, and the FcFini that would free it ends the process instead where anything still
  // holds a fontconfig object, another library's or a pattern we forgot.
  if (config_ == nullptr) {
    config_ = FcInitLoadConfigAndFonts();
  }
  if (config_ == nullptr) {
    throw platform::PlatformError("cannot start fontconfig to find the font " + family);
  }
  std::string file;
  if (IsSansAlias(family)) {
    for (const char* sans : kSansFamilies) {
      file = Match(config_, sans, bold, italic, true);
      if (!file.empty()) {
        return file;
      }
    }
    file = Match(config_, "sans-serif", bold, italic, false);
  } else {
    file = Match(config_, family, bold, italic, false);
  }
  if (file.empty()) {
    throw platform::PlatformError("no font file found for " + family);
  }
  return file;
}

FontLibrary::FontLibrary() {
  if (TTF_Init() != 0) {
    throw platform::PlatformError(std::string("cannot start SDL_ttf: ") + TTF_GetError());
  }
}

FontLibrary::~FontLibrary() {
  for (auto& [key, font] : fonts_) {
    TTF_CloseFont(font);
  }
  TTF_Quit();
  if (config_ != nullptr) {
    FcConfigDestroy(config_);
  }
}

TTF_Font* FontLibrary::Get(const platform::Font& font) {
  int pixels = std::max(1, PointsToPixels(font.size));
  Key key{font.name, pixels, font.bold, font.italic, font.underline};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) {
    return it->second;
  }
  std::string file = FindFile(font.name, font.bold, font.italic);
  // SDL_ttf's point is a pixel at its 72 dots per inch.
  TTF_Font* opened = TTF_OpenFont(file.c_str(), pixels);
  if (opened == nullptr) {
    throw platform::PlatformError("cannot open the font " + file + ": " + TTF_GetError());
  }
  TTF_SetFontStyle(opened, font.underline ? TTF_STYLE_UNDERLINE : TTF_STYLE_NORMAL);
  fonts_.emplace(key, opened);
  return opened;
}

}  // namespace orbelon::sdl
