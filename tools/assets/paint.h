#pragma once

// Brushes for the pictures and textures: shapes with soft edges, glows, flares, stars.

#include <glm/glm.hpp>

#include "assets/image.h"
#include "assets/noise.h"

namespace orbelon::assets {

void VerticalGradient(Image& image, const glm::vec3& top, const glm::vec3& bottom);

// Filled shapes with a one-pixel soft edge; alpha scales the cover.
void FillDisc(Image& image, glm::vec2 centre, float radius, const glm::vec3& colour,
              float alpha = 1.0f);
void FillRing(Image& image, glm::vec2 centre, float inner, float outer, const glm::vec3& colour,
              float alpha = 1.0f);
void FillRect(Image& image, glm::vec2 low, glm::vec2 high, const glm::vec3& colour,
              float alpha = 1.0f);
void FillTriangle(Image& image, glm::vec2 a, glm::vec2 b, glm::vec2 c, const glm::vec3& colour);
void DrawLine(Image& image, glm::vec2 from, glm::vec2 to, float width, const glm::vec3& colour,
              float alpha = 1.0f);

// Light added around a point, fading out by `radius`.
void Glow(Image& image, glm::vec2 centre, float radius, const glm::vec3& colour);

// A light with a star of rays and a row of ghosts through the middle of the picture.
void LensFlare(Image& image, glm::vec2 light, float size, const glm::vec3& tint);

// A ball lit from the upper left, with a marbled body.
void ShadedBall(Image& image, glm::vec2 centre, float radius, const glm::vec3& body, uint32_t seed);

void Stars(Image& image, Random& random, int count, float brightness);

}  // namespace orbelon::assets
