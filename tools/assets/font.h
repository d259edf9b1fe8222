#pragma once

// A small 5 x 7 bitmap font with descenders, drawn in code so that the pictures' text needs no font
// file and comes out the same everywhere.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <glm/glm.hpp>

#include "assets/image.h"

namespace orbelon::assets {

// Text laid out in square cells of `scale` pixels: 5 cells a glyph plus one between glyphs, 9
// rows high (7 above the baseline).
struct TextMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> lit;
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && lit[static_cast<size_t>(y) * width + x];
  }
};

TextMask RenderText(std::string_view text, int scale);
int TextWidth(std::string_view text, int scale);

struct TextStyle {
  // The fill, given the pixel's place in the text (0 to 1 across and down).
  std::function<glm::vec3(glm::vec2 place)> fill;
  int outline = 0;
  glm::vec3 outline_colour{0.0f};
  glm::ivec2 shadow{0, 0};
  glm::vec3 shadow_colour{0.0f};
};

void StampText(Image& image, const TextMask& mask, glm::ivec2 top_left, const TextStyle& style);

// Plain text in one colour, with a dark shadow one cell down and right.
void DrawText(Image& image, std::string_view text, glm::ivec2 top_left, int scale,
              const glm::vec3& colour);
void DrawCentredText(Image& image, std::string_view text, int y, int scale,
                     const glm::vec3& colour);

// Breaks the text at blanks into lines no wider than `width` pixels.
std::vector<std::string> WrapText(std::string_view text, int scale, int width);

}  // namespace orbelon::assets
