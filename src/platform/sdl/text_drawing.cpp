#include "platform/sdl/text_drawing.h"

#include <algorithm>
#include <cstdint>

#include "platform/error.h"
#include "platform/sdl/surface_drawing.h"

namespace orbelon::sdl {

namespace {

// The characters of UTF-8 text. A byte that starts no valid sequence stands for itself, as the
// old system's one-byte code page would have read it.
std::vector<uint32_t> Characters(const std::string& text) {
  std::vector<uint32_t> characters;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    int extra = *p >= 0xf0 && *p < 0xf8 ? 3 : *p >= 0xe0 ? 2 : *p >= 0xc2 ? 1 : 0;
    if (*p >= 0xf8) {
      extra = 0;
    }
    uint32_t code = extra == 0 ? *p : *p & (0x3fu >> extra);
    int taken = 1;
    for (; taken <= extra && p + taken < end && (p[taken] & 0xc0) == 0x80; ++taken) {
      code = code << 6 | (p[taken] & 0x3fu);
    }
    if (taken <= extra) {
      code = *p;
      taken = 1;
    }
    characters.push_back(code);
    p += taken;
  }
  return characters;
}

struct Glyph {
  int left = 0;  // where its picture starts, from the pen
  int advance = 0;
};

Glyph Measure(TTF_Font* font, uint32_t character) {
  int min_x = 0;
  int max_x = 0;
  int min_y = 0;
  int max_y = 0;
  int advance = 0;
  if (TTF_GlyphMetrics32(font, character, &min_x, &max_x, &min_y, &max_y, &advance) != 0) {
    return Glyph{};
  }
  // SDL_ttf's picture of a glyph starts at its left edge when that lies left of the pen.
  return Glyph{std::min(0, min_x), advance};
}

std::vector<std::string> Paragraphs(const std::string& text) {
  std::vector<std::string> paragraphs(1);
  for (char c : text) {
    if (c == '\n') {
      paragraphs.emplace_back();
    } else if (c != '\r') {
      paragraphs.back() += c;
    }
  }
  return paragraphs;
}

void WrapParagraph(TTF_Font* font, const std::string& paragraph, int width,
                   std::vector<std::string>& lines) {
  std::string line;
  bool has_word = false;
  size_t at = 0;
  while (at < paragraph.size()) {
    const size_t word_start = paragraph.find_first_not_of(' ', at);
    if (word_start == std::string::npos) {
      line += paragraph.substr(at);
      break;
    }
    const size_t word_end = std::min(paragraph.find(' ', word_start), paragraph.size());
    const std::string word = paragraph.substr(word_start, word_end - word_start);
    std::string candidate = line + paragraph.substr(at, word_start - at) + word;
    if (!has_word || TextWidth(font, candidate) <= width) {
      line = std::move(candidate);
    } else {
      lines.push_back(line);
      line = word;
    }
    has_word = true;
    at = word_end;
  }
  lines.push_back(line);
}

void DrawLine(SDL_Surface* surface, TTF_Font* font, const std::string& line, int x, int y,
              SDL_Color color) {
  // A blank has no ink, but an underline runs under it too.
  const bool underlined = (TTF_GetFontStyle(font) & TTF_STYLE_UNDERLINE) != 0;
  for (uint32_t character : Characters(line)) {
    const Glyph glyph = Measure(font, character);
    if (character != ' ' || underlined) {
      SurfacePtr picture(TTF_RenderGlyph32_Blended(font, character, color));
      if (!picture) {
        throw platform::PlatformError("cannot draw the text \"" + line + "\": " + TTF_GetError());
      }
      SDL_Rect at{x + glyph.left, y, picture->w, picture->h};
      SDL_BlitSurface(picture.get(), nullptr, surface, &at);
    }
    x += glyph.advance;
  }
}

}  // namespace

int TextWidth(TTF_Font* font, const std::string& text) {
  int width = 0;
  for (uint32_t character : Characters(text)) {
    width += Measure(font, character).advance;
  }
  return width;
}

std::vector<std::string> LayOutText(TTF_Font* font, const std::string& text, int width, bool wrap) {
  std::vector<std::string> lines;
  for (const std::string& paragraph : Paragraphs(text)) {
    if (wrap) {
      WrapParagraph(font, paragraph, width, lines);
    } else {
      lines.push_back(paragraph);
    }
  }
  return lines;
}

void DrawText(SDL_Surface* surface, TTF_Font* font, const std::string& text, const SDL_Rect& box,
              platform::Alignment alignment, SDL_Color color, bool wrap, bool center_vertically) {
  if (text.empty() || box.w <= 0 || box.h <= 0) {
    return;
  }
  const std::vector<std::string> lines = LayOutText(font, text, box.w, wrap);
  const int skip = TTF_FontLineSkip(font);
  int y = box.y;
  if (center_vertically) {
    y += (box.h - skip * static_cast<int>(lines.size())) / 2;
  }
  const ClipScope cut(surface, box);
  for (const std::string& line : lines) {
    int x = box.x;
    if (alignment == platform::Alignment::Center) {
      x += (box.w - TextWidth(font, line)) / 2;
    } else if (alignment == platform::Alignment::Right) {
      x += box.w - TextWidth(font, line);
    }
    DrawLine(surface, font, line, x, y, color);
    y += skip;
  }
}

}  // namespace orbelon::sdl
