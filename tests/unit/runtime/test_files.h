#pragma once

// Small wave and PNG files made in memory, for the loader tests and the fuzz seeds.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace orbelon::testing {

inline void Put(std::vector<uint8_t>& out, uint32_t value, int bytes, bool big_endian = false) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * (big_endian ? bytes - 1 - i : i))));
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
  Put(out, 4 + 8 + 16 + 8 + data_size, 4);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);
  Put(out, static_cast<uint32_t>(channels), 2);
  Put(out, rate, 4);
  Put(out, rate * align, 4);
  Put(out, align, 2);
  Put(out, static_cast<uint32_t>(bits), 2);
  PutText(out, "data");
  Put(out, data_size, 4);
  for (uint32_t i = 0; i < data_size; ++i) {
    out.push_back(static_cast<uint8_t>(i * 7));
  }
  return out;
}

inline void PutChunk(std::vector<uint8_t>& out, const char* type,
                     const std::vector<uint8_t>& data) {
  Put(out, static_cast<uint32_t>(data.size()), 4, true);
  const size_t start = out.size();
  PutText(out, type);
  out.insert(out.end(), data.begin(), data.end());
  uint32_t crc = 0xffffffffu;
  for (size_t i = start; i < out.size(); ++i) {
    crc ^= out[i];
    for (int k = 0; k < 8; ++k) {
      crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
  }
  Put(out, ~crc, 4, true);
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
  // One stored block, which holds up to 64 KiB: enough for the small pictures of the tests.
  std::vector<uint8_t> zlib = {0x78, 0x01, 1};
  Put(zlib, static_cast<uint32_t>(raw.size()), 2);
  Put(zlib, static_cast<uint32_t>(~raw.size() & 0xffff), 2);
  zlib.insert(zlib.end(), raw.begin(), raw.end());
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Put(zlib, b << 16 | a, 4, true);

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<uint8_t> header;
  Put(header, width, 4, true);
  Put(header, height, 4, true);
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
