#include "assets/rules_icons.h"

#include <cmath>

#include "assets/paint.h"

namespace orbelon::assets {
namespace {

void Mouse(Image& image, glm::vec2 c) {
  const glm::vec3 body(0.85f, 0.85f, 0.9f);
  FillDisc(image, c + glm::vec2(0, -8), 11, body);
  FillRect(image, c + glm::vec2(-11, -8), c + glm::vec2(11, 10), body);
  FillDisc(image, c + glm::vec2(0, 10), 11, body);
  DrawLine(image, c + glm::vec2(0, -19), c + glm::vec2(0, -6), 1.5f, {0.3f, 0.3f, 0.4f});
  DrawLine(image, c + glm::vec2(-11, -6), c + glm::vec2(11, -6), 1.5f, {0.3f, 0.3f, 0.4f});
  const glm::vec3 arrow(1.0f, 0.8f, 0.2f);
  DrawLine(image, c + glm::vec2(-22, 0), c + glm::vec2(-15, 0), 2, arrow);
  FillTriangle(image, c + glm::vec2(-24, 0), c + glm::vec2(-19, -4), c + glm::vec2(-19, 4), arrow);
  DrawLine(image, c + glm::vec2(15, 0), c + glm::vec2(22, 0), 2, arrow);
  FillTriangle(image, c + glm::vec2(24, 0), c + glm::vec2(19, -4), c + glm::vec2(19, 4), arrow);
}

void Checkpoint(Image& image, glm::vec2 c) {
  const glm::vec3 green(0.3f, 1.0f, 0.3f);
  for (float r : {20.0f, 13.0f, 6.0f}) {
    FillRing(image, c, r - 3.5f, r, green);
  }
  FillDisc(image, c, 2.5f, green);
}

void Beacon(Image& image, glm::vec2 c) {
  FillRect(image, c + glm::vec2(-12, 17), c + glm::vec2(12, 21), {0.5f, 0.5f, 0.55f});
  FillRect(image, c + glm::vec2(-1.5f, -20), c + glm::vec2(1.5f, 18), {0.9f, 0.9f, 0.9f});
  for (int i = 0; i < 4; ++i) {
    const float x = static_cast<float>(i) * 4.0f;
    FillRect(image, c + glm::vec2(2 + x, -18), c + glm::vec2(6 + x, -6),
             i % 2 == 0 ? glm::vec3(0.95f, 0.15f, 0.1f) : glm::vec3(0.98f, 0.95f, 0.9f));
  }
  FillDisc(image, c + glm::vec2(0, -21), 3, {1.0f, 0.9f, 0.3f});
}

void Rage(Image& image, glm::vec2 c) {
  const glm::vec3 fire(1.0f, 0.45f, 0.05f);
  for (int i = 0; i < 12; ++i) {
    const float a = static_cast<float>(i) * 0.5235988f;
    const glm::vec2 out(std::cos(a), std::sin(a));
    const glm::vec2 side(-out.y, out.x);
    FillTriangle(image, c + out * 21.0f, c + out * 9.0f + side * 4.0f, c + out * 9.0f - side * 4.0f,
                 fire);
  }
  FillDisc(image, c, 11, {1.0f, 0.85f, 0.3f});
  // The pill that brings it.
  FillDisc(image, c + glm::vec2(-3, 0), 4, {0.9f, 0.2f, 0.5f});
  FillDisc(image, c + glm::vec2(3, 0), 4, {0.9f, 0.2f, 0.5f});
  FillRect(image, c + glm::vec2(-3, -4), c + glm::vec2(3, 4), {0.9f, 0.2f, 0.5f});
}

void Teleporter(Image& image, glm::vec2 c) {
  FillRing(image, c + glm::vec2(0, 14), 0, 20, {0.2f, 0.5f, 1.0f}, 0.8f);
  FillRing(image, c + glm::vec2(0, 14), 8, 11, {0.8f, 1.0f, 1.0f});
  FillRing(image, c + glm::vec2(0, -6), 13, 17, {1.0f, 1.0f, 0.2f});
  FillTriangle(image, c + glm::vec2(0, -24), c + glm::vec2(6, -12), c + glm::vec2(-6, -12),
               {1.0f, 1.0f, 0.4f});
  FillTriangle(image, c + glm::vec2(0, 0), c + glm::vec2(6, -12), c + glm::vec2(-6, -12),
               {0.8f, 0.8f, 0.1f});
}

}  // namespace

void DrawRulesIcon(Image& image, RulesIcon icon, glm::vec2 centre) {
  switch (icon) {
    case RulesIcon::kMouse:
      Mouse(image, centre);
      break;
    case RulesIcon::kCheckpoint:
      Checkpoint(image, centre);
      break;
    case RulesIcon::kBeacon:
      Beacon(image, centre);
      break;
    case RulesIcon::kRage:
      Rage(image, centre);
      break;
    case RulesIcon::kTeleporter:
      Teleporter(image, centre);
      break;
  }
}

}  // namespace orbelon::assets
