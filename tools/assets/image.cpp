#include "assets/image.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include <stb_image_write.h>

namespace orbelon::assets {

Image::Image(int width, int height, glm::vec3 fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * height, fill),
      holes_(static_cast<size_t>(width) * height, 0) {}

void Image::Blend(int x, int y, const glm::vec3& colour, float alpha) {
  if (Contains(x, y)) {
    glm::vec3& p = At(x, y);
    p = glm::mix(p, colour, std::clamp(alpha, 0.0f, 1.0f));
  }
}

void Image::Add(int x, int y, const glm::vec3& colour) {
  if (Contains(x, y)) {
    At(x, y) += colour;
  }
}

void Image::SetHole(int x, int y) {
  if (Contains(x, y)) {
    holes_[Index(x, y)] = 1;
  }
}

void Image::Paint(const std::function<glm::vec3(glm::vec2 uv)>& colour_at) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      At(x, y) = colour_at({(static_cast<float>(x) + 0.5f) / static_cast<float>(width_),
                            (static_cast<float>(y) + 0.5f) / static_cast<float>(height_)});
    }
  }
}

namespace {

uint8_t ToByte(float c) {
  return static_cast<uint8_t>(std::lround(std::clamp(c, 0.0f, 1.0f) * 255.0f));
}

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image& image) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(image.Width()) * image.Height() * 3);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.IsHole(x, y)) {
        rgb.insert(rgb.end(), {0, 0, 0});
        continue;
      }
      const glm::vec3& c = image.At(x, y);
      uint8_t r = ToByte(c.r);
      uint8_t g = ToByte(c.g);
      uint8_t b = ToByte(c.b);
      if (r == 0 && g == 0 && b == 0) {
        r = g = b = 1;
      }
      rgb.insert(rgb.end(), {r, g, b});
    }
  }
  std::vector<uint8_t> png;
  if (stbi_write_png_to_func(AppendBytes, &png, image.Width(), image.Height(), 3, rgb.data(),
                             image.Width() * 3) == 0) {
    throw std::runtime_error("cannot encode a picture of " + std::to_string(image.Width()) + " x " +
                             std::to_string(image.Height()));
  }
  return png;
}

Image WithPaletteColours(const Image& image) {
  static constexpr float kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const glm::vec3 levels(5.0f, 6.0f, 5.0f);
  Image out(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const float dither = (kBayer[y % 4][x % 4] + 0.5f) / 16.0f - 0.5f;
      const glm::vec3 c = glm::clamp(image.At(x, y), 0.0f, 1.0f) * levels + dither;
      out.At(x, y) = glm::clamp(glm::floor(c + 0.5f), glm::vec3(0.0f), levels) / levels;
    }
  }
  return out;
}

}  // namespace orbelon::assets
