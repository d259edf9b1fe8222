#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbelon::platform {

// A RIFF WAVE file of PCM samples: 1 or 2 channels, 8 or 16 bits a sample.
struct WaveSound {
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
  std::vector<uint8_t> samples;  // as stored: 8-bit unsigned, or 16-bit signed little-endian
};

// Reads a wave file (the game's "\name" turned into a path, see NativePath). Throws PlatformError
// naming the file when it is missing, empty, damaged or not a wave of that kind.
WaveSound ReadWaveFile(const std::string& path);

// The file's bytes once they have passed that check, for a player that decodes them itself: read
// once, so that what was checked is what plays.
std::vector<uint8_t> ReadWaveBytes(const std::string& path);

// The same check of bytes already read; `name` is the file they came from.
WaveSound ParseWave(const std::vector<uint8_t>& bytes, const std::string& name);

}  // namespace orbelon::platform
