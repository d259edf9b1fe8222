#pragma once

// A small synthesiser for the game's sounds: notes with envelopes, a few drums and a step
// sequencer, mixed into a track that either plays once or loops.

#include <cstdint>
#include <string_view>
#include <vector>

#include "assets/noise.h"

namespace orbelon::assets {

constexpr int kSampleRate = 22050;

// kHiss is noise without its low end, for cymbals.
enum class Wave { kSine, kSquare, kSaw, kTriangle, kNoise, kHiss, kBell };

struct Voice {
  Wave wave = Wave::kSine;
  // Envelope times in seconds; sustain as a level from 0 to 1.
  float attack = 0.005f;
  float decay = 0.1f;
  float sustain = 0.7f;
  float release = 0.05f;
  float vibrato_rate = 0.0f;
  float vibrato_depth = 0.0f;
  // Slides the pitch to this frequency over the note (0: no slide).
  float glide_to = 0.0f;
  // One-pole low-pass: 1 lets everything through, smaller values darken the tone.
  float brightness = 1.0f;
};

class Track {
 public:
  // A looping track joins its end to its start: whatever sounds past the end goes on from the
  // start, so the loop plays without a seam.
  Track(size_t samples, bool loops, uint64_t seed = 1);
  static Track Seconds(double seconds, bool loops, uint64_t seed = 1);

  void Note(double start, double length, double frequency, const Voice& voice, float gain);
  void Kick(double start, float gain);
  void Snare(double start, float gain);
  void HiHat(double start, float gain, bool open = false);

  // Plays a line of steps: note names ("A4", "C#5", "Bb3"), "." for a rest and "-" to hold the
  // note before one step longer. Each step lasts `step` seconds.
  void Sequence(std::string_view steps, double start, double step, double octave_shift,
                const Voice& voice, float gain);

  // The samples, scaled so that the loudest one reaches `peak` (0.5 is -6 dBFS); a one-shot
  // gets a short fade at each end so it starts and stops without a click.
  std::vector<int16_t> Finish(float peak = 0.5f) const;

  size_t Size() const { return samples_.size(); }

 private:
  void Put(int64_t index, float value);

  std::vector<float> samples_;
  bool loops_;
  Random noise_;
};

double NoteFrequency(std::string_view name);

}  // namespace orbelon::assets
