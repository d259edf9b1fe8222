#include "assets/wav_writer.h"

#include <string_view>

namespace orbelon::assets {
namespace {

void Text(std::vector<uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

void Little(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

}  // namespace

std::vector<uint8_t> WaveBytes(const std::vector<int16_t>& samples, int sample_rate) {
  const auto data_size = static_cast<uint32_t>(samples.size() * 2);
  const auto rate = static_cast<uint32_t>(sample_rate);
  std::vector<uint8_t> out;
  out.reserve(44 + data_size);
  Text(out, "RIFF");
  Little(out, 36 + data_size, 4);
  Text(out, "WAVE");
  Text(out, "fmt ");
  Little(out, 16, 4);
  Little(out, 1, 2);         // PCM
  Little(out, 1, 2);         // one channel
  Little(out, rate, 4);      // samples a second
  Little(out, rate * 2, 4);  // bytes a second
  Little(out, 2, 2);         // bytes a frame
  Little(out, 16, 2);        // bits a sample
  Text(out, "data");
  Little(out, data_size, 4);
  for (int16_t s : samples) {
    Little(out, static_cast<uint16_t>(s), 2);
  }
  return out;
}

}  // namespace orbelon::assets
