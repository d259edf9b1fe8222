// The play window's background and life icon, and the program's icon.

#include <algorithm>
#include <cmath>

#include "assets/noise.h"
#include "assets/paint.h"
#include "assets/pictures.h"

namespace orbelon::assets {

Image BackgroundPicture() {
  Image image(450, 500);
  image.Paint([](glm::vec2 uv) {
    const float n = TileFbm(uv * glm::vec2(0.9f, 1.0f), 3, 5, 301);
    const float wisps = TileFbm(uv + glm::vec2(0.17f, 0.31f), 5, 4, 302);
    const float cloud = std::pow(std::clamp((n - 0.35f) * 2.0f, 0.0f, 1.0f), 1.4f);
    const glm::vec3 deep =
        glm::mix(glm::vec3(0.01f, 0.02f, 0.10f), glm::vec3(0.0f, 0.0f, 0.04f), uv.y);
    return deep +
           cloud * glm::mix(glm::vec3(0.10f, 0.25f, 0.75f), glm::vec3(0.45f, 0.55f, 1.0f), wisps) *
               0.6f;
  });
  Random random(303);
  Stars(image, random, 500, 0.8f);
  LensFlare(image, {370.0f, 70.0f}, 26.0f, {0.6f, 0.8f, 1.0f});
  return image;
}

Image LifePicture() {
  Image image(64, 64);
  image.Paint([](glm::vec2 uv) {
    return glm::mix(glm::vec3(0.03f, 0.05f, 0.20f), glm::vec3(0.01f, 0.01f, 0.06f), uv.y);
  });
  Glow(image, {32.0f, 32.0f}, 31.0f, {0.15f, 0.3f, 0.6f});
  ShadedBall(image, {32.0f, 32.0f}, 24.0f, {0.35f, 0.6f, 1.0f}, 311);
  return image;
}

// The ball on its tilted board, against the night.
Image IconPicture() {
  Image image(32, 32);
  image.Paint([](glm::vec2 uv) {
    return glm::mix(glm::vec3(0.04f, 0.05f, 0.22f), glm::vec3(0.01f, 0.01f, 0.06f), uv.y);
  });
  const glm::vec2 a(1.5f, 21.0f), b(19.0f, 13.5f), c(30.5f, 19.5f), d(12.5f, 29.5f);
  const glm::vec3 top(0.2f, 0.42f, 0.5f);
  const glm::vec3 edge(0.4f, 0.9f, 1.0f);
  FillTriangle(image, a, b, c, top);
  FillTriangle(image, a, c, d, top);
  DrawLine(image, a, b, 1.2f, edge);
  DrawLine(image, b, c, 1.2f, edge);
  DrawLine(image, c, d, 1.2f, edge);
  DrawLine(image, d, a, 1.2f, edge);
  FillRing(image, {22.0f, 21.0f}, 1.5f, 3.0f, {0.3f, 1.0f, 0.3f});
  ShadedBall(image, {12.5f, 16.0f}, 7.5f, {0.35f, 0.6f, 1.0f}, 312);
  return image;
}

}  // namespace orbelon::assets
