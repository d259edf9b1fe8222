// The synthesiser's notes, sequencer and loops. (The loudness and the silent ends of the
// finished sounds are checked on the files themselves.)

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "assets/synth.h"

namespace orbelon::assets {
namespace {

float Loudness(const std::vector<int16_t>& s, double from, double to) {
  float sum = 0.0f;
  const auto a = static_cast<size_t>(from * kSampleRate);
  const auto b = static_cast<size_t>(to * kSampleRate);
  for (size_t i = a; i < b; ++i) {
    sum += std::abs(static_cast<float>(s[i]));
  }
  return sum / static_cast<float>(b - a);
}

TEST(Synth, NoteNamesGiveEqualTemperedPitches) {
  EXPECT_NEAR(NoteFrequency("A4"), 440.0, 1e-9);
  EXPECT_NEAR(NoteFrequency("C4"), 261.6256, 1e-3);
  EXPECT_NEAR(NoteFrequency("Bb1"), 58.2705, 1e-3) << "a flat, two octaves down";
  EXPECT_NEAR(NoteFrequency("C#4"), NoteFrequency("Db4"), 1e-9);
}

TEST(Synth, HeldStepsSoundOnAndRestsStaySilent) {
  Voice organ;
  organ.attack = 0.001f;
  organ.decay = 0.001f;
  organ.sustain = 1.0f;
  organ.release = 0.01f;
  Track track = Track::Seconds(1.0, false);
  // A note held for three steps, a rest, then a short note.
  track.Sequence("A4 - - . A4 . . .", 0.0, 0.125, 0.0, organ, 0.5f);
  const auto s = track.Finish();
  EXPECT_GT(Loudness(s, 0.27, 0.33), 1000.0f) << "a held note stopped early";
  EXPECT_LT(Loudness(s, 0.40, 0.49), 10.0f) << "the rest is not silent";
  EXPECT_GT(Loudness(s, 0.52, 0.58), 1000.0f);
  EXPECT_LT(Loudness(s, 0.70, 0.99), 10.0f);
}

TEST(Synth, ALoopCarriesWhatRingsPastItsEndOverToItsStart) {
  Voice organ;
  organ.attack = 0.001f;
  organ.sustain = 1.0f;
  Track loop = Track::Seconds(1.0, true);
  loop.Note(0.8, 0.4, 440.0, organ, 0.5f);
  Track once = Track::Seconds(1.0, false);
  once.Note(0.8, 0.4, 440.0, organ, 0.5f);
  EXPECT_GT(Loudness(loop.Finish(), 0.0, 0.15), 1000.0f) << "the tail was cut at the loop's end";
  EXPECT_LT(Loudness(once.Finish(), 0.0, 0.15), 1.0f) << "a one-shot wrapped round";
}

}  // namespace
}  // namespace orbelon::assets
