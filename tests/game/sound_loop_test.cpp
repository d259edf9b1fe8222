// Every sound that loops joins its end to its start without a click: the step from the last
// sample back to the first is no larger than the largest step inside the sound.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files/wave_file.h"

namespace orbelon {
namespace {

// The samples of one channel, as signed values.
std::vector<int> Channel(const platform::WaveSound& sound, int channel) {
  std::vector<int> values;
  const size_t bytes = static_cast<size_t>(sound.bits_per_sample / 8);
  const size_t frame = bytes * static_cast<size_t>(sound.channels);
  for (size_t at = bytes * static_cast<size_t>(channel); at + bytes <= sound.samples.size();
       at += frame) {
    if (bytes == 2) {
      values.push_back(static_cast<int16_t>(sound.samples[at] | sound.samples[at + 1] << 8));
    } else {
      values.push_back(sound.samples[at] - 128);
    }
  }
  return values;
}

TEST(SoundFiles, LoopingSoundsJoinTheirEndToTheirStart) {
  for (const char* file : {"theme.daw", "theme2.daw", "msgb.daw", "win.daw", "laser.daw"}) {
    const platform::WaveSound sound =
        platform::ReadWaveFile(std::string(ORBELON_GAME_DIR) + "/" + file);
    for (int channel = 0; channel < sound.channels; ++channel) {
      const std::vector<int> values = Channel(sound, channel);
      ASSERT_GE(values.size(), 2u) << file << " is empty";
      int largest_step = 0;
      for (size_t i = 1; i < values.size(); ++i) {
        largest_step = std::max(largest_step, std::abs(values[i] - values[i - 1]));
      }
      const int join = std::abs(values.front() - values.back());
      EXPECT_LE(join, largest_step)
          << file << " channel " << channel << " jumps by " << join << " from its end to its start";
    }
  }
}

}  // namespace
}  // namespace orbelon
