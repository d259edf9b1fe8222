#include "assets/font.h"

#include <map>

namespace orbelon::assets {
namespace {

constexpr int kGlyphWidth = 5;
// Seven rows above the baseline and two below it for the tails of g, j, p, q and y.
constexpr int kGlyphHeight = 9;
constexpr int kAdvance = kGlyphWidth + 1;

// Rows of five, top row first, '#' lit; a glyph of seven rows has nothing below the baseline.
const std::map<char, std::string_view>& Glyphs() {
  // clang-format off
  static const std::map<char, std::string_view> glyphs = {
      {'A', ".###." "#...#" "#...#" "#####" "#...#" "#...#" "#...#"},
      {'B', "####." "#...#" "#...#" "####." "#...#" "#...#" "####."},
      {'C', ".###." "#...#" "#...." "#...." "#...." "#...#" ".###."},
      {'D', "###.." "#..#." "#...#" "#...#" "#...#" "#..#." "###.."},
      {'E', "#####" "#...." "#...." "####." "#...." "#...." "#####"},
      {'F', "#####" "#...." "#...." "####." "#...." "#...." "#...."},
      {'G', ".###." "#...#" "#...." "#.###" "#...#" "#...#" ".####"},
      {'H', "#...#" "#...#" "#...#" "#####" "#...#" "#...#" "#...#"},
      {'I', ".###." "..#.." "..#.." "..#.." "..#.." "..#.." ".###."},
      {'J', "..###" "...#." "...#." "...#." "...#." "#..#." ".##.."},
      {'K', "#...#" "#..#." "#.#.." "##..." "#.#.." "#..#." "#...#"},
      {'L', "#...." "#...." "#...." "#...." "#...." "#...." "#####"},
      {'M', "#...#" "##.##" "#.#.#" "#.#.#" "#...#" "#...#" "#...#"},
      {'N', "#...#" "#...#" "##..#" "#.#.#" "#..##" "#...#" "#...#"},
      {'O', ".###." "#...#" "#...#" "#...#" "#...#" "#...#" ".###."},
      {'P', "####." "#...#" "#...#" "####." "#...." "#...." "#...."},
      {'Q', ".###." "#...#" "#...#" "#...#" "#.#.#" "#..#." ".##.#"},
      {'R', "####." "#...#" "#...#" "####." "#.#.." "#..#." "#...#"},
      {'S', ".####" "#...." "#...." ".###." "....#" "....#" "####."},
      {'T', "#####" "..#.." "..#.." "..#.." "..#.." "..#.." "..#.."},
      {'U', "#...#" "#...#" "#...#" "#...#" "#...#" "#...#" ".###."},
      {'V', "#...#" "#...#" "#...#" "#...#" "#...#" ".#.#." "..#.."},
      {'W', "#...#" "#...#" "#...#" "#.#.#" "#.#.#" "#.#.#" ".#.#."},
      {'X', "#...#" "#...#" ".#.#." "..#.." ".#.#." "#...#" "#...#"},
      {'Y', "#...#" "#...#" ".#.#." "..#.." "..#.." "..#.." "..#.."},
      {'Z', "#####" "....#" "...#." "..#.." ".#..." "#...." "#####"},
      {'a', "....." "....." ".###." "....#" ".####" "#...#" ".####"},
      {'b', "#...." "#...." "#.##." "##..#" "#...#" "#...#" "####."},
      {'c', "....." "....." ".###." "#...." "#...." "#...#" ".###."},
      {'d', "....#" "....#" ".##.#" "#..##" "#...#" "#...#" ".####"},
      {'e', "....." "....." ".###." "#...#" "#####" "#...." ".###."},
      {'f', "..##." ".#..#" ".#..." "###.." ".#..." ".#..." ".#..."},
      {'g', "....." "....." ".####" "#...#" "#...#" "#...#" ".####" "....#" ".###."},
      {'h', "#...." "#...." "#.##." "##..#" "#...#" "#...#" "#...#"},
      {'i', "..#.." "....." ".##.." "..#.." "..#.." "..#.." ".###."},
      {'j', "...#." "....." "..##." "...#." "...#." "...#." "...#." "#..#." ".##.."},
      {'k', "#...." "#...." "#..#." "#.#.." "##..." "#.#.." "#..#."},
      {'l', ".##.." "..#.." "..#.." "..#.." "..#.." "..#.." ".###."},
      {'m', "....." "....." "##.#." "#.#.#" "#.#.#" "#...#" "#...#"},
      {'n', "....." "....." "#.##." "##..#" "#...#" "#...#" "#...#"},
      {'o', "....." "....." ".###." "#...#" "#...#" "#...#" ".###."},
      {'p', "....." "....." "####." "#...#" "#...#" "#...#" "####." "#...." "#...."},
      {'q', "....." "....." ".####" "#...#" "#...#" "#...#" ".####" "....#" "....#"},
      {'r', "....." "....." "#.##." "##..#" "#...." "#...." "#...."},
      {'s', "....." "....." ".###." "#...." ".###." "....#" "####."},
      {'t', ".#..." ".#..." "###.." ".#..." ".#..." ".#..#" "..##."},
      {'u', "....." "....." "#...#" "#...#" "#...#" "#..##" ".##.#"},
      {'v', "....." "....." "#...#" "#...#" "#...#" ".#.#." "..#.."},
      {'w', "....." "....." "#...#" "#...#" "#.#.#" "#.#.#" ".#.#."},
      {'x', "....." "....." "#...#" ".#.#." "..#.." ".#.#." "#...#"},
      {'y', "....." "....." "#...#" "#...#" "#...#" "#...#" ".####" "....#" ".###."},
      {'z', "....." "....." "#####" "...#." "..#.." ".#..." "#####"},
      {'0', ".###." "#...#" "#..##" "#.#.#" "##..#" "#...#" ".###."},
      {'1', "..#.." ".##.." "..#.." "..#.." "..#.." "..#.." ".###."},
      {'2', ".###." "#...#" "....#" "...#." "..#.." ".#..." "#####"},
      {'3', "#####" "...#." "..#.." "...#." "....#" "#...#" ".###."},
      {'4', "...#." "..##." ".#.#." "#..#." "#####" "...#." "...#."},
      {'5', "#####" "#...." "####." "....#" "....#" "#...#" ".###."},
      {'6', "..##." ".#..." "#...." "####." "#...#" "#...#" ".###."},
      {'7', "#####" "....#" "...#." "..#.." ".#..." ".#..." ".#..."},
      {'8', ".###." "#...#" "#...#" ".###." "#...#" "#...#" ".###."},
      {'9', ".###." "#...#" "#...#" ".####" "....#" "...#." ".##.."},
      {' ', "....." "....." "....." "....." "....." "....." "....."},
      {'!', "..#.." "..#.." "..#.." "..#.." "..#.." "....." "..#.."},
      {'?', ".###." "#...#" "....#" "...#." "..#.." "....." "..#.."},
      {'.', "....." "....." "....." "....." "....." ".##.." ".##.."},
      {',', "....." "....." "....." "....." "....." "....." ".##.." "..#.." ".#..."},
      {':', "....." ".##.." ".##.." "....." ".##.." ".##.." "....."},
      {';', "....." "....." ".##.." ".##.." "....." "....." ".##.." "..#.." ".#..."},
      {'\'', ".##.." "..#.." ".#..." "....." "....." "....." "....."},
      {'"', ".#.#." ".#.#." ".#.#." "....." "....." "....." "....."},
      {'-', "....." "....." "....." "#####" "....." "....." "....."},
      {'+', "....." "..#.." "..#.." "#####" "..#.." "..#.." "....."},
      {'(', "...#." "..#.." ".#..." ".#..." ".#..." "..#.." "...#."},
      {')', ".#..." "..#.." "...#." "...#." "...#." "..#.." ".#..."},
      {'/', "....." "....#" "...#." "..#.." ".#..." "#...." "....."},
      {'*', "....." "..#.." "#.#.#" ".###." "#.#.#" "..#.." "....."},
      {'=', "....." "....." "#####" "....." "#####" "....." "....."},
      {'%', "##..." "##..#" "...#." "..#.." ".#..." "#..##" "...##"},
      {'&', ".##.." "#..#." "#.#.." ".#..." "#.#.#" "#..#." ".##.#"},
      {'#', ".#.#." ".#.#." "#####" ".#.#." "#####" ".#.#." ".#.#."},
      {'_', "....." "....." "....." "....." "....." "....." "#####"},
  };
  // clang-format on
  return glyphs;
}

bool Lit(char c, int col, int row) {
  const auto& glyphs = Glyphs();
  const auto it = glyphs.find(c);
  const std::string_view rows = it != glyphs.end() ? it->second : glyphs.at('?');
  const size_t index = static_cast<size_t>(row * kGlyphWidth + col);
  return index < rows.size() && rows[index] == '#';
}

}  // namespace

int TextWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : (static_cast<int>(text.size()) * kAdvance - 1) * scale;
}

TextMask RenderText(std::string_view text, int scale) {
  TextMask mask;
  mask.width = TextWidth(text, scale);
  mask.height = kGlyphHeight * scale;
  mask.lit.assign(static_cast<size_t>(mask.width) * mask.height, 0);
  for (size_t i = 0; i < text.size(); ++i) {
    for (int row = 0; row < kGlyphHeight; ++row) {
      for (int col = 0; col < kGlyphWidth; ++col) {
        if (!Lit(text[i], col, row)) {
          continue;
        }
        const int x0 = (static_cast<int>(i) * kAdvance + col) * scale;
        for (int y = row * scale; y < (row + 1) * scale; ++y) {
          for (int x = x0; x < x0 + scale; ++x) {
            mask.lit[static_cast<size_t>(y) * mask.width + x] = 1;
          }
        }
      }
    }
  }
  return mask;
}

void StampText(Image& image, const TextMask& mask, glm::ivec2 top_left, const TextStyle& style) {
  const int r = style.outline;
  const auto near_lit = [&](int x, int y) {
    for (int dy = -r; dy <= r; ++dy) {
      for (int dx = -r; dx <= r; ++dx) {
        if (dx * dx + dy * dy <= r * r + r && mask.At(x + dx, y + dy)) {
          return true;
        }
      }
    }
    return false;
  };
  const glm::ivec2 s = style.shadow;
  for (int y = -r; y < mask.height + r + s.y; ++y) {
    for (int x = -r; x < mask.width + r + s.x; ++x) {
      const int px = top_left.x + x;
      const int py = top_left.y + y;
      if (mask.At(x, y)) {
        const glm::vec2 place(static_cast<float>(x) / static_cast<float>(mask.width),
                              static_cast<float>(y) / static_cast<float>(mask.height));
        image.Blend(px, py, style.fill(place), 1.0f);
      } else if (r > 0 && near_lit(x, y)) {
        image.Blend(px, py, style.outline_colour, 1.0f);
      } else if ((s.x != 0 || s.y != 0) &&
                 (r > 0 ? near_lit(x - s.x, y - s.y) : mask.At(x - s.x, y - s.y))) {
        image.Blend(px, py, style.shadow_colour, 0.7f);
      }
    }
  }
}

void DrawText(Image& image, std::string_view text, glm::ivec2 top_left, int scale,
              const glm::vec3& colour) {
  TextStyle style;
  style.fill = [colour](glm::vec2) { return colour; };
  style.shadow = glm::ivec2(scale > 1 ? scale / 2 : 1);
  style.shadow_colour = glm::vec3(0.02f);
  StampText(image, RenderText(text, scale), top_left, style);
}

void DrawCentredText(Image& image, std::string_view text, int y, int scale,
                     const glm::vec3& colour) {
  DrawText(image, text, {(image.Width() - TextWidth(text, scale)) / 2, y}, scale, colour);
}

std::vector<std::string> WrapText(std::string_view text, int scale, int width) {
  std::vector<std::string> lines;
  std::string line;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    const std::string word(text.substr(start, end - start));
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(longer, scale) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  if (!line.empty()) {
    lines.push_back(line);
  }
  return lines;
}

}  // namespace orbelon::assets
