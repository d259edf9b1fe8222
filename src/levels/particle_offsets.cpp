#include "levels/particle_offsets.h"

#include <cmath>
#include <cstdint>

namespace orbelon::levels {

namespace {

// A linear congruential sequence with a fixed start. Its top 24 bits make a value in [0, 1).
class FixedSequence {
 public:
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 16777216.0;
  }

 private:
  uint32_t state_ = 0x1999A5E5u;
};

float WholeUnits(double r) {
  return static_cast<float>(std::floor(r * 30));
}

}  // namespace

std::array<scene::Vector, 5> ParticleOffsets() {
  FixedSequence sequence;
  std::array<scene::Vector, 5> offsets{};
  for (scene::Vector& offset : offsets) {
    offset.x = WholeUnits(sequence.Next());
    offset.y = WholeUnits(sequence.Next());
    offset.z = WholeUnits(sequence.Next());
  }
  return offsets;
}

}  // namespace orbelon::levels
