// The floors and rims, and the scene's starry backgrounds.

#include <algorithm>
#include <cmath>

#include "assets/noise.h"
#include "assets/paint.h"
#include "assets/textures.h"

namespace orbelon::assets {
namespace {

constexpr float kTau = 6.2831853f;

Image Space(uint32_t seed, const glm::vec3& cloud_a, const glm::vec3& cloud_b) {
  Image image(256, 256);
  image.Paint([&](glm::vec2 uv) {
    const float n = TileFbm(uv, 3, 5, seed);
    const float m = TileFbm(uv + glm::vec2(0.3f, 0.7f), 4, 4, seed + 7);
    const float cloud = std::pow(std::clamp((n - 0.38f) * 2.2f, 0.0f, 1.0f), 1.5f);
    return glm::vec3(0.01f, 0.01f, 0.03f) + cloud * glm::mix(cloud_a, cloud_b, m) * 0.8f;
  });
  Random random(seed);
  Stars(image, random, 420, 0.9f);
  return image;
}

// Tech plates in a 2 x 2 grid: bevelled edges, glowing seams, and see-through vents and a crack
// through which the rage below the board shows.
glm::vec3 Plate(glm::vec2 uv) {
  const glm::vec2 cell = glm::fract(uv * 2.0f);
  const float edge = std::min(std::min(cell.x, 1.0f - cell.x), std::min(cell.y, 1.0f - cell.y));
  const float grain = TileFbm(uv, 8, 4, 11);
  glm::vec3 c = glm::mix(glm::vec3(0.10f, 0.20f, 0.26f), glm::vec3(0.20f, 0.33f, 0.38f), grain);
  if (edge < 0.012f) {
    c = glm::vec3(0.25f, 0.6f, 0.7f);
  } else if (edge < 0.04f) {
    c *= 1.35f;
  }
  const float circuit = std::abs(std::sin(kTau * (uv.x * 4.0f + 0.25f)));
  if (circuit < 0.05f && cell.y > 0.2f && cell.y < 0.8f) {
    c = glm::mix(c, glm::vec3(0.3f, 0.9f, 0.8f), 0.7f);
  }
  return c;
}

}  // namespace

Image SpaceTexture() {
  return Space(101, {0.2f, 0.3f, 0.9f}, {0.6f, 0.2f, 0.7f});
}

Image Space2Texture() {
  return Space(202, {0.8f, 0.2f, 0.3f}, {0.2f, 0.7f, 0.5f});
}

Image CoreTexture() {
  Image image(256, 256);
  image.Paint(Plate);
  const auto size = static_cast<float>(image.Width());
  // A round grate of holes in the upper left plate.
  const glm::vec2 grate(0.25f * size, 0.25f * size);
  for (int gy = -4; gy <= 4; ++gy) {
    for (int gx = -4; gx <= 4; ++gx) {
      const glm::vec2 p = grate + glm::vec2(static_cast<float>(gx), static_cast<float>(gy)) * 9.0f;
      if (glm::length(p - grate) > 36.0f) {
        continue;
      }
      for (int y = static_cast<int>(p.y) - 4; y <= static_cast<int>(p.y) + 4; ++y) {
        for (int x = static_cast<int>(p.x) - 4; x <= static_cast<int>(p.x) + 4; ++x) {
          const glm::vec2 q(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
          if (glm::length(q - p) < 3.2f) {
            image.SetHole(x, y);
          } else if (glm::length(q - p) < 4.5f) {
            image.At(x, y) *= 0.5f;
          }
        }
      }
    }
  }
  // A round slot, held by four bars, in the lower left plate.
  const glm::vec2 hatch(0.25f * size, 0.75f * size);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const glm::vec2 d =
          glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) - hatch;
      const float r = glm::length(d);
      const bool bar = std::min(std::abs(d.x), std::abs(d.y)) < 3.0f;
      if (r > 22.0f && r < 28.0f && !bar) {
        image.SetHole(x, y);
      }
    }
  }
  // A jagged crack across the lower right plate.
  Random random(77);
  glm::vec2 from(0.56f * size, 0.62f * size);
  for (int i = 0; i < 12; ++i) {
    const glm::vec2 to = from + glm::vec2(8.0f, random.Range(-6.0f, 6.0f));
    for (float t = 0.0f; t <= 1.0f; t += 0.05f) {
      const glm::vec2 p = glm::mix(from, to, t);
      const int half = i > 2 && i < 9 ? 2 : 1;
      for (int dy = -half; dy <= half; ++dy) {
        image.SetHole(static_cast<int>(p.x), static_cast<int>(p.y) + dy);
      }
    }
    from = to;
  }
  return image;
}

Image Core2Texture() {
  // Level 2's web: dark chitin cells with glowing green seams; drawn without holes.
  Image image(256, 256);
  image.Paint([](glm::vec2 uv) {
    const CellDistances cells = TileCells(uv, 6, 5);
    const float seam = cells.second - cells.nearest;
    const float shade = static_cast<float>(cells.cell_id & 0xFF) / 255.0f;
    glm::vec3 c = glm::mix(glm::vec3(0.16f, 0.06f, 0.22f), glm::vec3(0.30f, 0.12f, 0.35f), shade);
    c *= 0.7f + 0.6f * TileFbm(uv, 8, 3, 9);
    const float glow = std::clamp(1.0f - seam * 60.0f, 0.0f, 1.0f);
    return glm::mix(c, glm::vec3(0.4f, 1.0f, 0.5f), glow);
  });
  return image;
}

Image BridgeTexture() {
  // Eight planks along v (the bridge's length runs along x, which the wrap maps to v).
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    const float plank = std::floor(uv.y * 8.0f);
    const float within = glm::fract(uv.y * 8.0f);
    const float grain = TileFbm(glm::vec2(uv.x, uv.y * 0.25f + plank * 0.37f), 4, 4, 31);
    const float rings = 0.5f + 0.5f * std::sin(kTau * (grain * 6.0f + uv.y * 8.0f));
    glm::vec3 c = glm::mix(glm::vec3(0.42f, 0.25f, 0.11f), glm::vec3(0.62f, 0.42f, 0.22f), rings);
    c *= 0.85f +
         0.3f * static_cast<float>(Hash(static_cast<uint32_t>(plank), 0, 3) >> 8) / 16777215.0f;
    if (within < 0.08f) {
      c *= 0.35f;
    }
    return c;
  });
  return image;
}

Image RimTexture() {
  // Warning stripes on worn metal.
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    const float stripe = glm::fract((uv.x + uv.y) * 4.0f);
    const float wear = TileFbm(uv, 8, 4, 41);
    const glm::vec3 c = stripe < 0.5f ? glm::vec3(0.95f, 0.75f, 0.1f) : glm::vec3(0.12f);
    return c * (0.7f + 0.4f * wear);
  });
  return image;
}

Image GrassTexture() {
  Image image(128, 128);
  image.Paint([](glm::vec2 uv) {
    // Upright streaks: a whole number of them across, bent by noise, so the tile repeats.
    const float bend = TileFbm(uv, 4, 3, 51);
    const float blades = 0.5f + 0.5f * std::sin(kTau * (uv.x * 48.0f + bend * 3.0f));
    const float patches = TileFbm(uv, 4, 3, 52);
    return glm::mix(glm::vec3(0.10f, 0.30f, 0.06f), glm::vec3(0.35f, 0.65f, 0.15f),
                    blades * 0.6f + patches * 0.4f);
  });
  return image;
}

}  // namespace orbelon::assets
