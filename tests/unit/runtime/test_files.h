#pragma once

// Small wave and PNG files made in memory, for the loader tests and the fuzz seeds.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace orbelon::testing {

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

inline void PutBe32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 3; i >= 0; --i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

inline void PutText(std::vector<uint8_t>& out, const char* text) {
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<uint8_t>(text[i]));
  }
}

// A PCM wave with `frames` frames of a ramp.
inline std::vector<uint8_t> MakeWave(int channels, int bits, uint32_t rate, uint32_t frames) {
  const uint32_t align = static_cast<uint32_t>(channels * bits / 8);
  const uint32_t data_size = frames * align;
  std::vector<uint8_t> out;
  PutText(out, "RIFF");
  PutLe(out, 4 + 8 + 16 + 8 + data_size, 4);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, static_cast<uint32_t>(channels), 2);
  PutLe(out, rate, 4);
  PutLe(out, rate * align, 4);
  PutLe(out, align, 2);
  PutLe(out, static_cast<uint32_t>(bits), 2);
  PutText(out, "data");
  PutLe(out, data_size, 4);
  for (uint32_t i = 0; i < data_size; ++i) {
    out.push_back(static_cast<uint8_t>(i * 7));
  }
  return out;
}

inline uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xffffffffu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) {
      crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
  }
  return ~crc;
}

inline void PutChunk(std::vector<uint8_t>& out, const char* type,
                     const std::vector<uint8_t>& data) {
  PutBe32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  PutText(out, type);
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, Crc32(&out[start], out.size() - start));
}

// An RGBA PNG whose pixel (x, y) is (x, y, x + y, 255), stored without compression.
inline std::vector<uint8_t> MakePng(uint32_t width, uint32_t height) {
  std::vector<uint8_t> raw;
  for (uint32_t y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (uint32_t x = 0; x < width; ++x) {
      raw.insert(raw.end(), {static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                             static_cast<uint8_t>(x + y), 255});
    }
  }
  std::vector<uint8_t> zlib = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t block = std::min<size_t>(raw.size() - at, 65535);
    zlib.push_back(at + block == raw.size() ? 1 : 0);
    PutLe(zlib, static_cast<uint32_t>(block), 2);
    PutLe(zlib, static_cast<uint32_t>(~block & 0xffff), 2);
    zlib.insert(zlib.end(), raw.begin() + static_cast<long>(at),
                raw.begin() + static_cast<long>(at + block));
    at += block;
  } while (at < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBe32(zlib, b << 16 | a);

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<uint8_t> header;
  PutBe32(header, width);
  PutBe32(header, height);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", zlib);
  PutChunk(out, "IEND", {});
  return out;
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace orbelon::testing
