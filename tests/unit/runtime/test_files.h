#pragma once

// Small wave and PNG files made in memory, for the loader tests and the fuzz seeds.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <stb_image_write.h>

namespace orbelon::testing {

inline void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

// A PCM wave with `frames` frames of a ramp.
inline std::vector<uint8_t> MakeWave(int channels, int bits, uint32_t rate, uint32_t frames) {
  const uint32_t align = static_cast<uint32_t>(channels * bits / 8);
  const uint32_t data_size = frames * align;
  std::vector<uint8_t> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  Put(out, 4 + 8 + 16 + 8 + data_size, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E'});
  out.insert(out.end(), {'f', 'm', 't', ' '});
  Put(out, 16, 4);
  Put(out, 1, 2);
  Put(out, static_cast<uint32_t>(channels), 2);
  Put(out, rate, 4);
  Put(out, rate * align, 4);
  Put(out, align, 2);
  Put(out, static_cast<uint32_t>(bits), 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  Put(out, data_size, 4);
  for (uint32_t i = 0; i < data_size; ++i) {
    out.push_back(static_cast<uint8_t>(i * 7));
  }
  return out;
}

// An RGBA PNG whose pixel (x, y) is (x, y, x + y, 255).
inline std::vector<uint8_t> MakePng(uint32_t width, uint32_t height) {
  std::vector<uint8_t> pixels, png;
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      pixels.insert(pixels.end(), {static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                   static_cast<uint8_t>(x + y), 255});
    }
  }
  stbi_write_png_to_func(
      [](void* out, void* data, int size) {
        const auto* bytes = static_cast<uint8_t*>(data);
        static_cast<std::vector<uint8_t>*>(out)->insert(
            static_cast<std::vector<uint8_t>*>(out)->end(), bytes, bytes + size);
      },
      &png, static_cast<int>(width), static_cast<int>(height), 4, pixels.data(),
      static_cast<int>(width) * 4);
  return png;
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace orbelon::testing
