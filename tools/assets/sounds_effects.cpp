// The short effects and the beam's hum.

#include "assets/sounds.h"
#include "assets/synth.h"

namespace orbelon::assets {
namespace {

Voice Blip(Wave wave, float length) {
  Voice v;
  v.wave = wave;
  v.attack = 0.003f;
  v.decay = length;
  v.sustain = 0.3f;
  v.release = 0.03f;
  return v;
}

}  // namespace

Samples ChipSound() {
  Track track = Track::Seconds(0.7, false);
  Voice bell;
  bell.wave = Wave::kBell;
  bell.decay = 0.35f;
  bell.sustain = 0.1f;
  bell.release = 0.25f;
  track.Note(0.0, 0.3, NoteFrequency("E6"), bell, 0.5f);
  track.Note(0.08, 0.35, NoteFrequency("B6"), bell, 0.45f);
  return track.Finish();
}

Samples FallSound() {
  // Short enough for a fall step to play it again every frame.
  Track track = Track::Seconds(0.16, false);
  Voice v = Blip(Wave::kSquare, 0.12f);
  v.glide_to = 180.0f;
  v.brightness = 0.4f;
  track.Note(0.0, 0.12, 900.0, v, 0.5f);
  return track.Finish();
}

Samples BirdSound() {
  Track track = Track::Seconds(0.65, false, 7);
  Voice chirp = Blip(Wave::kSine, 0.05f);
  chirp.release = 0.02f;
  chirp.vibrato_rate = 40.0f;
  chirp.vibrato_depth = 0.03f;
  for (int i = 0; i < 3; ++i) {
    chirp.glide_to = 4300.0f - static_cast<float>(i) * 300.0f;
    track.Note(0.02 + i * 0.11, 0.06, 2500.0, chirp, 0.5f);
  }
  chirp.glide_to = 2200.0f;
  chirp.vibrato_rate = 30.0f;
  chirp.vibrato_depth = 0.08f;
  track.Note(0.38, 0.2, 3800.0, chirp, 0.45f);
  return track.Finish();
}

Samples PillSound() {
  Track track = Track::Seconds(0.4, false);
  Voice v = Blip(Wave::kSine, 0.3f);
  v.sustain = 0.6f;
  v.glide_to = 1100.0f;
  v.vibrato_rate = 18.0f;
  v.vibrato_depth = 0.05f;
  track.Note(0.0, 0.3, 300.0, v, 0.5f);
  v.wave = Wave::kTriangle;
  v.glide_to = 2200.0f;
  track.Note(0.0, 0.3, 600.0, v, 0.2f);
  return track.Finish();
}

Samples RageSound() {
  Track track = Track::Seconds(0.9, false, 9);
  Voice growl = Blip(Wave::kSaw, 0.6f);
  growl.attack = 0.05f;
  growl.sustain = 0.7f;
  growl.release = 0.15f;
  growl.brightness = 0.3f;
  for (double f : {110.0, 164.8, 220.0}) {
    growl.glide_to = static_cast<float>(f * 2.0);
    track.Note(0.0, 0.7, f, growl, 0.25f);
  }
  Voice rush = Blip(Wave::kNoise, 0.5f);
  rush.attack = 0.4f;
  rush.brightness = 0.2f;
  track.Note(0.0, 0.7, 1.0, rush, 0.3f);
  return track.Finish();
}

Samples TeleSound() {
  Track track = Track::Seconds(0.7, false, 13);
  Voice warble = Blip(Wave::kSine, 0.5f);
  warble.sustain = 0.6f;
  warble.release = 0.15f;
  warble.glide_to = 1800.0f;
  warble.vibrato_rate = 25.0f;
  warble.vibrato_depth = 0.08f;
  track.Note(0.0, 0.5, 400.0, warble, 0.45f);
  Voice sparkle;
  sparkle.wave = Wave::kBell;
  sparkle.decay = 0.1f;
  sparkle.sustain = 0.0f;
  sparkle.release = 0.05f;
  Random random(17);
  for (int i = 0; i < 6; ++i) {
    track.Note(0.1 + i * 0.08, 0.1, random.Range(1500.0f, 3500.0f), sparkle, 0.15f);
  }
  return track.Finish();
}

Samples LaserSound() {
  // Two seconds of hum. Every tone, and the wobble, makes whole cycles in the loop, so its end
  // runs on into its start.
  Track track = Track::Seconds(2.0, true);
  Voice hum;
  hum.attack = 0.0f;
  hum.decay = 0.0f;
  hum.sustain = 1.0f;
  hum.release = 0.0f;
  hum.vibrato_rate = 8.0f;
  hum.vibrato_depth = 0.01f;
  for (int harmonic = 1; harmonic <= 6; ++harmonic) {
    const float gain = 0.5f / static_cast<float>(harmonic);
    track.Note(0.0, 2.0, 110.0 * harmonic, hum, gain);
    track.Note(0.0, 2.0, 110.5 * harmonic, hum, gain * 0.6f);
  }
  return track.Finish(0.45f);
}

}  // namespace orbelon::assets
