// The wave reader on damaged files: it may refuse them, never crash.

#include "fuzz_input.h"
#include "platform/error.h"
#include "platform/files/wave_file.h"

std::vector<std::vector<uint8_t>> FuzzSeeds() {
  using orbelon::testing::MakeWave;
  return {MakeWave(1, 16, 22050, 64), MakeWave(2, 8, 11025, 17), MakeWave(2, 16, 44100, 1),
          MakeWave(1, 8, 22050, 0)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const auto sound = orbelon::platform::ReadWaveFile(FuzzFile(data, size, ".daw"));
    // What it accepts must be whole frames of a format it reads.
    const size_t frame = static_cast<size_t>(sound.channels * sound.bits_per_sample / 8);
    if (frame == 0 || sound.samples.size() % frame != 0 || sound.samples.size() > size) {
      __builtin_trap();
    }
  } catch (const orbelon::platform::PlatformError&) {
  }
  return 0;
}
