#include "assets/noise.h"

#include <cmath>

namespace orbelon::assets {

uint32_t Random::Next() {
  // xorshift64*: small, fast and the same on every machine.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

float Random::Uniform() {
  return static_cast<float>(Next() >> 8) / 16777216.0f;
}

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

namespace {

float Lattice(int x, int y, int cells, uint32_t seed) {
  const auto wrap = [cells](int i) { return static_cast<uint32_t>(((i % cells) + cells) % cells); };
  return static_cast<float>(Hash(wrap(x), wrap(y), seed) >> 8) / 16777215.0f;
}

float Smooth(float t) {
  return t * t * (3.0f - 2.0f * t);
}

}  // namespace

float TileNoise(glm::vec2 uv, int cells, uint32_t seed) {
  const glm::vec2 p = uv * static_cast<float>(cells);
  const int x0 = static_cast<int>(std::floor(p.x));
  const int y0 = static_cast<int>(std::floor(p.y));
  const float fx = Smooth(p.x - static_cast<float>(x0));
  const float fy = Smooth(p.y - static_cast<float>(y0));
  const float a = Lattice(x0, y0, cells, seed);
  const float b = Lattice(x0 + 1, y0, cells, seed);
  const float c = Lattice(x0, y0 + 1, cells, seed);
  const float d = Lattice(x0 + 1, y0 + 1, cells, seed);
  return glm::mix(glm::mix(a, b, fx), glm::mix(c, d, fx), fy);
}

float TileFbm(glm::vec2 uv, int cells, int octaves, uint32_t seed) {
  float sum = 0.0f;
  float weight = 0.5f;
  float total = 0.0f;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * TileNoise(uv, cells << i, seed + static_cast<uint32_t>(i) * 101u);
    total += weight;
    weight *= 0.5f;
  }
  return sum / total;
}

CellDistances TileCells(glm::vec2 uv, int cells, uint32_t seed) {
  const glm::vec2 p = uv * static_cast<float>(cells);
  const int cx = static_cast<int>(std::floor(p.x));
  const int cy = static_cast<int>(std::floor(p.y));
  CellDistances out{1e9f, 1e9f, 0};
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = cx + dx;
      const int y = cy + dy;
      const auto wx = static_cast<uint32_t>(((x % cells) + cells) % cells);
      const auto wy = static_cast<uint32_t>(((y % cells) + cells) % cells);
      const uint32_t h = Hash(wx, wy, seed);
      const glm::vec2 point(static_cast<float>(x) + static_cast<float>(h & 0xFFFF) / 65536.0f,
                            static_cast<float>(y) + static_cast<float>(h >> 16) / 65536.0f);
      const float d = glm::length(point - p) / static_cast<float>(cells);
      if (d < out.nearest) {
        out.second = out.nearest;
        out.nearest = d;
        out.cell_id = h;
      } else if (d < out.second) {
        out.second = d;
      }
    }
  }
  return out;
}

}  // namespace orbelon::assets
