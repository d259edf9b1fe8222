#pragma once

// A picture being painted: linear RGB in [0, 1] per pixel, and a mark for the texels that are
// meant to be see-through (written exactly black).

#include <cstdint>
#include <functional>
#include <vector>

#include <glm/glm.hpp>

namespace orbelon::assets {

class Image {
 public:
  Image(int width, int height, glm::vec3 fill = glm::vec3(0.0f));

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  glm::vec3& At(int x, int y) { return pixels_[Index(x, y)]; }
  const glm::vec3& At(int x, int y) const { return pixels_[Index(x, y)]; }

  // Both ignore points outside the picture.
  void Blend(int x, int y, const glm::vec3& colour, float alpha);
  void Add(int x, int y, const glm::vec3& colour);

  void SetHole(int x, int y);
  bool IsHole(int x, int y) const { return holes_[Index(x, y)] != 0; }

  // Sets every pixel from its centre in texture space ([0, 1) across and down).
  void Paint(const std::function<glm::vec3(glm::vec2 uv)>& colour_at);

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<glm::vec3> pixels_;
  std::vector<uint8_t> holes_;
};

// The picture as PNG bytes, 24-bit RGB. Holes come out exactly black; every other pixel at
// least (1, 1, 1), so that nothing turns see-through by accident.
std::vector<uint8_t> EncodePng(const Image& image);

// The picture reduced to at most 256 colours (a fixed 6 x 7 x 6 cube, with ordered dither), as
// the windows' 8-bit pictures are.
Image WithPaletteColours(const Image& image);

}  // namespace orbelon::assets
