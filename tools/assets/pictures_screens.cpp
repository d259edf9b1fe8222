// The pause window's picture and the closing window's sky.

#include <algorithm>
#include <cmath>

#include "assets/font.h"
#include "assets/noise.h"
#include "assets/paint.h"
#include "assets/pictures.h"

namespace orbelon::assets {
namespace {

// A round little yellow fellow with big eyes, standing on a cloud.
void Creature(Image& image, glm::vec2 c) {
  const glm::vec3 yellow(1.0f, 0.85f, 0.15f);
  const glm::vec3 dark(0.25f, 0.15f, 0.05f);
  for (int i = 0; i < 5; ++i) {
    const float x = static_cast<float>(i - 2) * 17.0f;
    FillDisc(image, c + glm::vec2(x, 48 + std::abs(x) * 0.1f), 16, glm::vec3(1.0f, 0.98f, 0.92f));
  }
  FillDisc(image, c + glm::vec2(-14, 36), 9, {1.0f, 0.55f, 0.1f});
  FillDisc(image, c + glm::vec2(14, 36), 9, {1.0f, 0.55f, 0.1f});
  DrawLine(image, c + glm::vec2(-8, -26), c + glm::vec2(-16, -50), 3, dark);
  DrawLine(image, c + glm::vec2(8, -26), c + glm::vec2(16, -50), 3, dark);
  FillDisc(image, c + glm::vec2(-16, -51), 5, {1.0f, 0.4f, 0.3f});
  FillDisc(image, c + glm::vec2(16, -51), 5, {1.0f, 0.4f, 0.3f});
  FillDisc(image, c, 34, dark);
  FillDisc(image, c, 32, yellow);
  Glow(image, c + glm::vec2(-12, -14), 22, {0.3f, 0.3f, 0.2f});
  for (float side : {-1.0f, 1.0f}) {
    const glm::vec2 eye = c + glm::vec2(side * 11, -8);
    FillDisc(image, eye, 9, glm::vec3(1.0f));
    FillDisc(image, eye + glm::vec2(side * 2, 2), 4.5f, glm::vec3(0.05f));
    FillDisc(image, eye + glm::vec2(side * 2 - 1.5f, 0.5f), 1.5f, glm::vec3(1.0f));
    DrawLine(image, c + glm::vec2(side * 34, 2), c + glm::vec2(side * 44, -10), 4, dark);
  }
  for (int i = 0; i < 9; ++i) {
    const float a = 0.5f + static_cast<float>(i) * 0.27f;
    FillDisc(image, c + glm::vec2(std::cos(a) * 14, 6 + std::sin(a) * 9), 1.8f, dark);
  }
}

}  // namespace

Image PausedPicture() {
  Image image(200, 200);
  image.Paint([](glm::vec2 uv) {
    const float swirl = TileFbm(uv, 3, 4, 401);
    const float t = std::clamp(uv.x * 0.5f + uv.y * 0.5f + (swirl - 0.5f) * 0.6f, 0.0f, 1.0f);
    return glm::mix(glm::vec3(0.85f, 0.12f, 0.15f), glm::vec3(0.12f, 0.2f, 0.8f), t);
  });
  // The buttons cover 72 to 153; the word stands above them.
  const TextMask word = RenderText("PAUSED", 5);
  TextStyle style;
  style.fill = [](glm::vec2 place) {
    return glm::mix(glm::vec3(0.12f, 0.04f, 0.1f), glm::vec3(0.03f, 0.03f, 0.12f), place.y);
  };
  style.outline = 2;
  style.outline_colour = glm::vec3(1.0f, 0.85f, 0.85f);
  style.shadow = glm::ivec2(3, 3);
  style.shadow_colour = glm::vec3(0.0f);
  StampText(image, word, {(image.Width() - word.width) / 2, 18}, style);
  return WithPaletteColours(image);
}

Image ClosingPicture() {
  Image image(400, 400);
  image.Paint([](glm::vec2 uv) {
    const glm::vec3 sky = glm::mix(glm::vec3(0.15f, 0.35f, 0.85f), glm::vec3(1.0f, 0.85f, 0.4f),
                                   std::pow(uv.y, 1.3f));
    const float n = TileFbm(uv * glm::vec2(1.0f, 1.0f), 4, 5, 501);
    const float cloud = std::clamp((n - 0.45f) * 3.0f, 0.0f, 1.0f);
    const glm::vec3 cloud_colour = glm::mix(glm::vec3(1.0f), glm::vec3(1.0f, 0.95f, 0.7f), uv.y);
    return glm::mix(sky, cloud_colour, cloud * 0.85f);
  });
  LensFlare(image, {330.0f, 60.0f}, 30.0f, {1.0f, 0.9f, 0.5f});
  Creature(image, {68.0f, 320.0f});
  return image;
}

}  // namespace orbelon::assets
