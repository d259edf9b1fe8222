#pragma once

// Deterministic randomness: a small generator with a fixed start, and noise that repeats
// across the edges of a texture so that the textures tile without seams.

#include <cstdint>

#include <glm/glm.hpp>

namespace orbelon::assets {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next();
  // Uniform in [0, 1).
  float Uniform();
  float Range(float low, float high) { return low + (high - low) * Uniform(); }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint64_t state_;
};

// Smooth value noise in [0, 1] at (u, v) in texture space, repeating every 1 in u and v, with
// `cells` lattice cells across.
float TileNoise(glm::vec2 uv, int cells, uint32_t seed);
// Several octaves of TileNoise, each twice as fine and half as strong; in [0, 1].
float TileFbm(glm::vec2 uv, int cells, int octaves, uint32_t seed);

struct CellDistances {
  float nearest = 0.0f;
  float second = 0.0f;
  uint32_t cell_id = 0;
};
// Distances to the nearest and the second nearest of one scattered point per cell, on a grid of
// `cells` across that repeats every 1 in u and v (in units of the texture's width).
CellDistances TileCells(glm::vec2 uv, int cells, uint32_t seed);

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed);

}  // namespace orbelon::assets
