#pragma once

// The game's sounds (".daw"), as 16-bit samples at kSampleRate, mono.

#include <cstdint>
#include <vector>

namespace orbelon::assets {

using Samples = std::vector<int16_t>;

// Music: the intro plays once; the themes, the message music and the victory music loop.
Samples IntroSound();
Samples ThemeSound();
Samples Theme2Sound();
Samples MessageSound();
Samples WinSound();

// Effects, each under a second, and the beam's hum, which loops.
Samples ChipSound();
Samples FallSound();
Samples BirdSound();
Samples PillSound();
Samples RageSound();
Samples TeleSound();
Samples LaserSound();

}  // namespace orbelon::assets
