// The start window's title picture and the rules picture.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/font.h"
#include "assets/noise.h"
#include "assets/paint.h"
#include "assets/pictures.h"
#include "assets/rules_icons.h"

namespace orbelon::assets {
namespace {

void SpaceBackdrop(Image& image, uint32_t seed) {
  image.Paint([seed](glm::vec2 uv) {
    const float n = TileFbm(uv, 3, 4, seed);
    const float cloud = std::pow(std::clamp((n - 0.45f) * 2.5f, 0.0f, 1.0f), 1.5f);
    return glm::mix(glm::vec3(0.02f, 0.03f, 0.16f), glm::vec3(0.0f, 0.0f, 0.03f), uv.y) +
           cloud * glm::vec3(0.25f, 0.15f, 0.5f);
  });
  Random random(seed);
  Stars(image, random, 220, 0.8f);
}

// The board seen from the camera, tilted, with the ball on it.
void BoardScene(Image& image, glm::vec2 centre) {
  const glm::vec2 a = centre + glm::vec2(-95, 10);
  const glm::vec2 b = centre + glm::vec2(45, -25);
  const glm::vec2 c = centre + glm::vec2(110, 15);
  const glm::vec2 d = centre + glm::vec2(-30, 50);
  const glm::vec3 top(0.2f, 0.42f, 0.5f);
  FillTriangle(image, a + glm::vec2(0, 8), d + glm::vec2(0, 8), c + glm::vec2(0, 8),
               {0.05f, 0.12f, 0.16f});
  FillTriangle(image, a, b, c, top);
  FillTriangle(image, a, c, d, top);
  DrawLine(image, a, b, 2.0f, {0.4f, 0.9f, 1.0f});
  DrawLine(image, b, c, 2.0f, {0.4f, 0.9f, 1.0f});
  DrawLine(image, c, d, 2.0f, {0.4f, 0.9f, 1.0f});
  DrawLine(image, d, a, 2.0f, {0.4f, 0.9f, 1.0f});
  FillRing(image, centre + glm::vec2(45, 8), 6, 9, {0.3f, 1.0f, 0.3f});
  FillRing(image, centre + glm::vec2(45, 8), 0, 3, {0.3f, 1.0f, 0.3f});
  ShadedBall(image, centre + glm::vec2(-25, 0), 15.0f, {0.35f, 0.6f, 1.0f}, 321);
}

}  // namespace

Image TitlePicture() {
  Image image(400, 300);
  SpaceBackdrop(image, 320);
  LensFlare(image, {345.0f, 40.0f}, 14.0f, {1.0f, 0.8f, 0.5f});
  // Only 397 x 248 of the picture shows, and the buttons stand at 184 to 209.
  const TextMask title = RenderText("Orbelon", 9);
  TextStyle style;
  style.fill = [](glm::vec2 place) {
    return glm::mix(glm::vec3(1.0f, 0.95f, 0.55f), glm::vec3(1.0f, 0.45f, 0.1f), place.y);
  };
  style.outline = 2;
  style.outline_colour = glm::vec3(0.1f, 0.05f, 0.3f);
  style.shadow = glm::ivec2(5, 5);
  style.shadow_colour = glm::vec3(0.0f);
  StampText(image, title, {(image.Width() - title.width) / 2, 16}, style);
  DrawCentredText(image, "Tilt the board, roll the ball!", 90, 2, {0.7f, 0.9f, 1.0f});
  BoardScene(image, {200.0f, 140.0f});
  DrawCentredText(image, "By the Orbelon crew - V3.01", 222, 2, {0.85f, 0.85f, 0.95f});
  return WithPaletteColours(image);
}

Image RulesPicture() {
  Image image(400, 400);
  SpaceBackdrop(image, 330);
  DrawCentredText(image, "Welcome to", 8, 2, {0.8f, 0.9f, 1.0f});
  const TextMask heading = RenderText("Orbelon 3.0", 4);
  TextStyle style;
  style.fill = [](glm::vec2 place) {
    return glm::mix(glm::vec3(1.0f, 0.95f, 0.55f), glm::vec3(1.0f, 0.5f, 0.15f), place.y);
  };
  style.outline = 1;
  style.outline_colour = glm::vec3(0.1f, 0.05f, 0.3f);
  StampText(image, heading, {(image.Width() - heading.width) / 2, 28}, style);

  const std::vector<std::pair<RulesIcon, std::string>> rules = {
      {RulesIcon::kMouse, "Move the mouse to tilt the board and roll the ball."},
      {RulesIcon::kCheckpoint, "Reach all of the green checkpoints to complete a level."},
      {RulesIcon::kBeacon,
       "Left button: put out a beacon. Press it again to teleport the ball to it."},
      {RulesIcon::kRage, "Reach the rage power-up, then press the right button to unleash it."},
      {RulesIcon::kTeleporter, "Teleporters give a one-time move across the board."},
  };
  constexpr int kTextLeft = 62;
  constexpr int kLine = 18;
  int y = 72;
  for (const auto& [icon, text] : rules) {
    const auto lines = WrapText(text, 2, image.Width() - kTextLeft - 4);
    const int height = static_cast<int>(lines.size()) * kLine;
    DrawRulesIcon(image, icon, {32.0f, static_cast<float>(y + height / 2 - 1)});
    for (size_t i = 0; i < lines.size(); ++i) {
      DrawText(image, lines[i], {kTextLeft, y + static_cast<int>(i) * kLine}, 2,
               {0.95f, 0.95f, 1.0f});
    }
    y += std::max(height, 44) + 10;
  }
  DrawCentredText(image, "Click to continue", 376, 2, {1.0f, 0.85f, 0.3f});
  return WithPaletteColours(image);
}

}  // namespace orbelon::assets
