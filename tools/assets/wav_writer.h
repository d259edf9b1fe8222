#pragma once

// RIFF WAVE bytes: PCM, 16-bit, mono.

#include <cstdint>
#include <vector>

namespace orbelon::assets {

std::vector<uint8_t> WaveBytes(const std::vector<int16_t>& samples, int sample_rate);

}  // namespace orbelon::assets
