#include "assets/paint.h"

#include <algorithm>
#include <cmath>

namespace orbelon::assets {
namespace {

// Runs `cover` over every pixel in the box and blends where it gives more than nothing.
template <typename Cover>
void Shade(Image& image, glm::vec2 low, glm::vec2 high, const glm::vec3& colour, float alpha,
           Cover cover) {
  const int x0 = std::max(0, static_cast<int>(std::floor(low.x)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(low.y)) - 1);
  const int x1 = std::min(image.Width() - 1, static_cast<int>(std::ceil(high.x)) + 1);
  const int y1 = std::min(image.Height() - 1, static_cast<int>(std::ceil(high.y)) + 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float c = cover(glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f));
      if (c > 0.0f) {
        image.Blend(x, y, colour, alpha * std::min(c, 1.0f));
      }
    }
  }
}

float Edge(float inside_distance) {
  return std::clamp(inside_distance + 0.5f, 0.0f, 1.0f);
}

}  // namespace

void VerticalGradient(Image& image, const glm::vec3& top, const glm::vec3& bottom) {
  for (int y = 0; y < image.Height(); ++y) {
    const float t = static_cast<float>(y) / static_cast<float>(std::max(1, image.Height() - 1));
    for (int x = 0; x < image.Width(); ++x) {
      image.At(x, y) = glm::mix(top, bottom, t);
    }
  }
}

void FillDisc(Image& image, glm::vec2 centre, float radius, const glm::vec3& colour, float alpha) {
  Shade(image, centre - radius, centre + radius, colour, alpha,
        [&](glm::vec2 p) { return Edge(radius - glm::length(p - centre)); });
}

void FillRing(Image& image, glm::vec2 centre, float inner, float outer, const glm::vec3& colour,
              float alpha) {
  Shade(image, centre - outer, centre + outer, colour, alpha, [&](glm::vec2 p) {
    const float d = glm::length(p - centre);
    return std::min(Edge(outer - d), Edge(d - inner));
  });
}

void FillRect(Image& image, glm::vec2 low, glm::vec2 high, const glm::vec3& colour, float alpha) {
  Shade(image, low, high, colour, alpha, [&](glm::vec2 p) {
    return std::min(std::min(Edge(p.x - low.x), Edge(high.x - p.x)),
                    std::min(Edge(p.y - low.y), Edge(high.y - p.y)));
  });
}

void FillTriangle(Image& image, glm::vec2 a, glm::vec2 b, glm::vec2 c, const glm::vec3& colour) {
  const float sense = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) > 0 ? 1.0f : -1.0f;
  const auto side = [sense](glm::vec2 p, glm::vec2 q, glm::vec2 point) {
    const glm::vec2 d = glm::normalize(q - p);
    return sense * (d.x * (point.y - p.y) - d.y * (point.x - p.x));
  };
  Shade(image, glm::min(a, glm::min(b, c)), glm::max(a, glm::max(b, c)), colour, 1.0f,
        [&](glm::vec2 p) {
          return std::min({Edge(side(a, b, p)), Edge(side(b, c, p)), Edge(side(c, a, p))});
        });
}

void DrawLine(Image& image, glm::vec2 from, glm::vec2 to, float width, const glm::vec3& colour,
              float alpha) {
  const glm::vec2 d = to - from;
  const float length2 = std::max(glm::dot(d, d), 1e-6f);
  Shade(image, glm::min(from, to) - width, glm::max(from, to) + width, colour, alpha,
        [&](glm::vec2 p) {
          const float t = std::clamp(glm::dot(p - from, d) / length2, 0.0f, 1.0f);
          return Edge(width * 0.5f - glm::length(p - (from + d * t)));
        });
}

void Glow(Image& image, glm::vec2 centre, float radius, const glm::vec3& colour) {
  const int x0 = std::max(0, static_cast<int>(centre.x - radius));
  const int y0 = std::max(0, static_cast<int>(centre.y - radius));
  const int x1 = std::min(image.Width() - 1, static_cast<int>(centre.x + radius));
  const int y1 = std::min(image.Height() - 1, static_cast<int>(centre.y + radius));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const glm::vec2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      const float t = 1.0f - glm::length(p - centre) / radius;
      if (t > 0.0f) {
        image.Add(x, y, colour * (t * t * t));
      }
    }
  }
}

void LensFlare(Image& image, glm::vec2 light, float size, const glm::vec3& tint) {
  Glow(image, light, size * 3.0f, tint * 0.5f);
  Glow(image, light, size, glm::vec3(1.0f));
  for (int i = 0; i < 6; ++i) {
    const float a = 0.35f + static_cast<float>(i) * 3.14159265f / 6.0f;
    const glm::vec2 ray(std::cos(a), std::sin(a));
    const float reach = size * (i % 2 == 0 ? 4.0f : 2.5f);
    DrawLine(image, light - ray * reach, light + ray * reach, 1.5f, tint, 0.35f);
  }
  const glm::vec2 centre(static_cast<float>(image.Width()) * 0.5f,
                         static_cast<float>(image.Height()) * 0.5f);
  const glm::vec2 axis = centre - light;
  const float ghosts[][2] = {{0.5f, 0.25f}, {0.8f, 0.12f}, {1.25f, 0.4f}, {1.6f, 0.18f}};
  const glm::vec3 colours[] = {
      {0.3f, 0.6f, 1.0f}, {1.0f, 0.7f, 0.3f}, {0.5f, 1.0f, 0.6f}, {0.9f, 0.5f, 1.0f}};
  for (int i = 0; i < 4; ++i) {
    FillDisc(image, light + axis * ghosts[i][0], size * ghosts[i][1] * 2.0f, colours[i], 0.18f);
  }
  FillRing(image, light + axis * 1.1f, size * 0.9f, size * 1.1f, tint, 0.2f);
}

void ShadedBall(Image& image, glm::vec2 centre, float radius, const glm::vec3& body,
                uint32_t seed) {
  const glm::vec3 light = glm::normalize(glm::vec3(-0.5f, -0.6f, 0.8f));
  const int x0 = static_cast<int>(centre.x - radius) - 1;
  const int y0 = static_cast<int>(centre.y - radius) - 1;
  const int x1 = static_cast<int>(centre.x + radius) + 1;
  const int y1 = static_cast<int>(centre.y + radius) + 1;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const glm::vec2 d =
          (glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) - centre) / radius;
      const float r2 = glm::dot(d, d);
      const float cover = Edge((1.0f - std::sqrt(r2)) * radius);
      if (cover <= 0.0f) {
        continue;
      }
      const glm::vec3 n(d.x, d.y, std::sqrt(std::max(0.0f, 1.0f - r2)));
      const float vein = TileFbm(glm::vec2(d.x * 0.35f + 0.5f, d.y * 0.35f + 0.5f), 4, 4, seed);
      const float marble = 0.75f + 0.25f * std::sin(12.0f * vein + d.x * 3.0f);
      const float diffuse = std::max(0.0f, glm::dot(n, light));
      const float shine =
          std::pow(std::max(0.0f, glm::dot(glm::reflect(-light, n), glm::vec3(0, 0, 1))), 24.0f);
      const glm::vec3 c = body * marble * (0.25f + 0.85f * diffuse) + glm::vec3(shine * 0.9f);
      image.Blend(x, y, c, cover);
    }
  }
}

void Stars(Image& image, Random& random, int count, float brightness) {
  for (int i = 0; i < count; ++i) {
    const glm::vec2 p(random.Range(0.0f, static_cast<float>(image.Width())),
                      random.Range(0.0f, static_cast<float>(image.Height())));
    const float size = random.Uniform();
    const float b = brightness * (0.3f + 0.7f * random.Uniform());
    const glm::vec3 tint =
        glm::mix(glm::vec3(0.7f, 0.8f, 1.0f), glm::vec3(1.0f, 0.9f, 0.7f), random.Uniform());
    if (size > 0.93f) {
      Glow(image, p, 4.0f, tint * b);
    }
    image.Add(static_cast<int>(p.x), static_cast<int>(p.y), tint * b);
  }
}

}  // namespace orbelon::assets
