// The textures of the ball, the pads, the disc, the pill, the UFO, the beam, the marker and the
// rage.

#include <algorithm>
#include <cmath>

#include "assets/noise.h"
#include "assets/paint.h"
#include "assets/textures.h"

namespace orbelon::assets {
namespace {

constexpr float kTau = 6.2831853f;

// Distance from the nearest corner of the tile: the flat wraps put the root's axes there.
float CornerDistance(glm::vec2 uv) {
  const glm::vec2 d = glm::min(uv, 1.0f - uv);
  return glm::length(d);
}

// Marks as holes the texels where `open` holds.
template <typename Open>
void Punch(Image& image, Open open) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const glm::vec2 uv((static_cast<float>(x) + 0.5f) / static_cast<float>(image.Width()),
                         (static_cast<float>(y) + 0.5f) / static_cast<float>(image.Height()));
      if (open(uv)) {
        image.SetHole(x, y);
      }
    }
  }
}

}  // namespace

Image MarbleTexture() {
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    const float turbulence = TileFbm(uv, 4, 5, 61);
    const float vein = std::abs(std::sin(kTau * (uv.x * 2.0f + uv.y + turbulence * 2.5f)));
    const glm::vec3 deep(0.08f, 0.22f, 0.65f);
    const glm::vec3 pale(0.85f, 0.90f, 1.0f);
    return glm::mix(pale, deep, std::pow(vein, 0.35f));
  });
  return image;
}

Image UfoTexture() {
  // Riveted panels in a 4 x 4 grid.
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    const glm::vec2 cell = glm::fract(uv * 4.0f);
    const float edge = std::min(std::min(cell.x, 1.0f - cell.x), std::min(cell.y, 1.0f - cell.y));
    glm::vec3 c = glm::vec3(0.55f, 0.58f, 0.66f) * (0.8f + 0.4f * TileFbm(uv, 8, 3, 71));
    if (edge < 0.04f) {
      c *= 0.4f;
    }
    const glm::vec2 rivet = glm::abs(cell - 0.5f);
    if (std::abs(rivet.x - 0.38f) < 0.04f && std::abs(rivet.y - 0.38f) < 0.04f) {
      c = glm::vec3(0.9f);
    }
    return c;
  });
  return image;
}

Image TransporterTexture() {
  // Glowing rings round the middle of the pad; the black between them is see-through.
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    const float r = glm::length(uv - 0.5f) * 2.0f;
    const float wave = 0.5f + 0.5f * std::cos(kTau * r * 4.0f);
    const glm::vec3 c =
        glm::mix(glm::vec3(0.2f, 0.5f, 1.0f), glm::vec3(0.8f, 1.0f, 1.0f), 1.0f - r);
    return c * wave;
  });
  Punch(image, [](glm::vec2 uv) {
    const float r = glm::length(uv - 0.5f) * 2.0f;
    return r > 1.0f || std::cos(kTau * r * 4.0f) < -0.4f;
  });
  return image;
}

Image CrackleTexture() {
  // Glowing cells parted by see-through cracks.
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    const CellDistances cells = TileCells(uv, 5, 81);
    const float shade = static_cast<float>(cells.cell_id & 0xFF) / 255.0f;
    const float heat = std::clamp(cells.nearest * 8.0f, 0.0f, 1.0f);
    return glm::mix(glm::vec3(1.0f, 0.9f, 0.4f), glm::vec3(0.9f, 0.2f, 0.5f), heat) *
           (0.75f + 0.25f * shade);
  });
  Punch(image, [](glm::vec2 uv) {
    const CellDistances cells = TileCells(uv, 5, 81);
    return cells.second - cells.nearest < 0.012f;
  });
  return image;
}

Image DiscTexture() {
  // Target rings round the tile's corner, where the wrap puts the disc's middle: the disc (30
  // across its radius, wrap 0.004) covers 0.12 of the tile round it.
  Image image(256, 256);
  image.Paint([](glm::vec2 uv) {
    const float d = CornerDistance(uv);
    return glm::mix(glm::vec3(0.3f, 1.0f, 0.3f), glm::vec3(0.05f, 0.6f, 0.1f), d / 0.12f);
  });
  Punch(image, [](glm::vec2 uv) {
    const float d = CornerDistance(uv);
    const bool ring = d < 0.018f || (d > 0.038f && d < 0.056f) || (d > 0.076f && d < 0.094f) ||
                      (d > 0.108f && d < 0.125f);
    return !ring;
  });
  return image;
}

Image AntTexture() {
  // Red and white bands along v: the marker's pennant runs along x, which the wrap maps to v.
  Image image(64, 64);
  image.Paint([](glm::vec2 uv) {
    return glm::fract(uv.y * 32.0f) < 0.5f ? glm::vec3(0.95f, 0.15f, 0.1f)
                                           : glm::vec3(0.98f, 0.95f, 0.9f);
  });
  return image;
}

Image RageTexture() {
  // Flames with holes burnt through them.
  Image image(256, 256);
  image.Paint([](glm::vec2 uv) {
    const float heat = TileFbm(uv, 4, 5, 91);
    const glm::vec3 low(0.7f, 0.05f, 0.02f);
    const glm::vec3 mid(1.0f, 0.45f, 0.05f);
    const glm::vec3 high(1.0f, 0.95f, 0.5f);
    return heat < 0.5f ? glm::mix(low, mid, heat * 2.0f) : glm::mix(mid, high, heat * 2.0f - 1.0f);
  });
  Punch(image, [](glm::vec2 uv) { return TileFbm(uv, 4, 5, 91) < 0.33f; });
  return image;
}

Image PillTexture() {
  Image image(64, 64);
  image.Paint([](glm::vec2 uv) {
    return uv.x < 0.5f ? glm::vec3(0.9f, 0.15f, 0.2f) : glm::vec3(0.95f, 0.95f, 0.9f);
  });
  return image;
}

Image RayTexture() {
  // Bright bands with see-through gaps: the beam's wrap repeats this every few units.
  Image image(64, 64);
  image.Paint([](glm::vec2 uv) {
    const float t = glm::fract(uv.y * 4.0f);
    return glm::mix(glm::vec3(0.4f, 0.9f, 1.0f), glm::vec3(0.95f, 1.0f, 1.0f), t) *
           (0.8f + 0.2f * std::sin(kTau * uv.x));
  });
  Punch(image, [](glm::vec2 uv) { return glm::fract(uv.y * 4.0f) > 0.65f; });
  return image;
}

}  // namespace orbelon::assets
