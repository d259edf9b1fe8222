#include "assets/synth.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orbelon::assets {
namespace {

constexpr double kTau = 6.283185307179586;

double Envelope(const Voice& v, double t, double length) {
  const auto level_at = [&v](double time) {
    if (time < v.attack) {
      return time / v.attack;
    }
    if (time < v.attack + v.decay) {
      return 1.0 - (1.0 - v.sustain) * (time - v.attack) / v.decay;
    }
    return static_cast<double>(v.sustain);
  };
  if (t < length) {
    return level_at(t);
  }
  const double fade = 1.0 - (t - length) / std::max(1e-4f, v.release);
  return fade > 0.0 ? level_at(length) * fade : 0.0;
}

}  // namespace

Track::Track(size_t samples, bool loops, uint64_t seed)
    : samples_(samples, 0.0f), loops_(loops), noise_(seed) {}

Track Track::Seconds(double seconds, bool loops, uint64_t seed) {
  return Track(static_cast<size_t>(std::lround(seconds * kSampleRate)), loops, seed);
}

void Track::Put(int64_t index, float value) {
  const auto size = static_cast<int64_t>(samples_.size());
  if (loops_) {
    index = ((index % size) + size) % size;
  } else if (index < 0 || index >= size) {
    return;
  }
  samples_[static_cast<size_t>(index)] += value;
}

void Track::Note(double start, double length, double frequency, const Voice& voice, float gain) {
  const auto first = static_cast<int64_t>(std::lround(start * kSampleRate));
  const auto count = static_cast<int64_t>((length + voice.release) * kSampleRate);
  double phase = 0.0;
  double filtered = 0.0;
  double last_noise = 0.0;
  for (int64_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double f = frequency;
    if (voice.glide_to > 0.0f) {
      f *= std::pow(voice.glide_to / frequency, std::min(1.0, t / length));
    }
    f *= 1.0 + voice.vibrato_depth * std::sin(kTau * voice.vibrato_rate * t);
    phase += f / kSampleRate;
    const double p = phase - std::floor(phase);
    double s = 0.0;
    switch (voice.wave) {
      case Wave::kSine:
        s = std::sin(kTau * p);
        break;
      case Wave::kSquare:
        s = p < 0.5 ? 0.8 : -0.8;
        break;
      case Wave::kSaw:
        s = 1.6 * p - 0.8;
        break;
      case Wave::kTriangle:
        s = p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
        break;
      case Wave::kNoise:
        s = noise_.Range(-1.0f, 1.0f);
        break;
      case Wave::kHiss: {
        const double n = noise_.Range(-1.0f, 1.0f);
        s = (n - last_noise) * 0.5;
        last_noise = n;
        break;
      }
      case Wave::kBell:
        // Partials that are not whole multiples, each dying away faster than the one below.
        s = std::sin(kTau * phase) + 0.5 * std::exp(-t * 6.0) * std::sin(kTau * phase * 2.76) +
            0.25 * std::exp(-t * 10.0) * std::sin(kTau * phase * 5.4);
        break;
    }
    filtered += voice.brightness * (s - filtered);
    Put(first + i, static_cast<float>(filtered * Envelope(voice, t, length) * gain));
  }
}

void Track::Kick(double start, float gain) {
  Voice v;
  v.attack = 0.002f;
  v.decay = 0.2f;
  v.sustain = 0.0f;
  v.release = 0.01f;
  v.glide_to = 42.0f;
  Note(start, 0.22, 140.0, v, gain);
}

void Track::Snare(double start, float gain) {
  Voice rattle;
  rattle.wave = Wave::kNoise;
  rattle.attack = 0.001f;
  rattle.decay = 0.16f;
  rattle.sustain = 0.0f;
  rattle.brightness = 0.6f;
  Note(start, 0.17, 1.0, rattle, gain * 0.8f);
  Voice body;
  body.attack = 0.001f;
  body.decay = 0.08f;
  body.sustain = 0.0f;
  Note(start, 0.09, 190.0, body, gain * 0.5f);
}

void Track::HiHat(double start, float gain, bool open) {
  Voice v;
  v.wave = Wave::kHiss;
  v.attack = 0.001f;
  v.decay = open ? 0.14f : 0.035f;
  v.sustain = 0.0f;
  v.release = 0.005f;
  Note(start, v.decay, 1.0, v, gain);
}

void Track::Sequence(std::string_view steps, double start, double step, double octave_shift,
                     const Voice& voice, float gain) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < steps.size()) {
    while (i < steps.size() && steps[i] == ' ') {
      ++i;
    }
    const size_t end = std::min(steps.find(' ', i), steps.size());
    if (end > i) {
      tokens.emplace_back(steps.substr(i, end - i));
    }
    i = end;
  }
  for (size_t n = 0; n < tokens.size(); ++n) {
    if (tokens[n] == "." || tokens[n] == "-") {
      continue;
    }
    size_t held = 1;
    while (n + held < tokens.size() && tokens[n + held] == "-") {
      ++held;
    }
    const double frequency = NoteFrequency(tokens[n]) * std::pow(2.0, octave_shift);
    Note(start + static_cast<double>(n) * step, static_cast<double>(held) * step * 0.9, frequency,
         voice, gain);
  }
}

std::vector<int16_t> Track::Finish(float peak) const {
  float loudest = 1e-6f;
  for (float s : samples_) {
    loudest = std::max(loudest, std::abs(s));
  }
  const float scale = peak / loudest;
  const size_t fade_in = loops_ ? 0 : kSampleRate * 3 / 1000;
  const size_t fade_out = loops_ ? 0 : kSampleRate * 15 / 1000;
  std::vector<int16_t> out(samples_.size());
  for (size_t i = 0; i < samples_.size(); ++i) {
    float s = samples_[i] * scale;
    if (i < fade_in) {
      s *= static_cast<float>(i) / static_cast<float>(fade_in);
    }
    if (i + fade_out >= samples_.size()) {
      s *= static_cast<float>(samples_.size() - 1 - i) / static_cast<float>(fade_out);
    }
    out[i] = static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
  }
  return out;
}

double NoteFrequency(std::string_view name) {
  static constexpr int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int semitone = kSemitone[(name[0] - 'A') % 7];
  size_t i = 1;
  if (i < name.size() && name[i] == '#') {
    ++semitone;
    ++i;
  } else if (i < name.size() && name[i] == 'b') {
    --semitone;
    ++i;
  }
  const int octave = i < name.size() ? name[i] - '0' : 4;
  const int midi = (octave + 1) * 12 + semitone;
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

}  // namespace orbelon::assets
