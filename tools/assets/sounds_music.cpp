// The music: the intro jingle, the two level themes, the calm message loop and the victory
// loop. Every loop is a whole number of bars; notes that ring past the end carry on from the
// start.

#include <array>
#include <string>

#include "assets/sounds.h"
#include "assets/synth.h"

namespace orbelon::assets {
namespace {

struct Band {
  Voice bass;
  Voice lead;
  Voice arp;
};

Band ThemeBand(Wave lead_wave, Wave bass_wave) {
  Band band;
  band.bass.wave = bass_wave;
  band.bass.decay = 0.15f;
  band.bass.sustain = 0.6f;
  band.bass.brightness = 0.25f;
  band.lead.wave = lead_wave;
  band.lead.attack = 0.01f;
  band.lead.decay = 0.2f;
  band.lead.sustain = 0.5f;
  band.lead.release = 0.12f;
  band.lead.vibrato_rate = 5.5f;
  band.lead.vibrato_depth = 0.006f;
  band.lead.brightness = 0.35f;
  band.arp.wave = Wave::kTriangle;
  band.arp.decay = 0.08f;
  band.arp.sustain = 0.2f;
  return band;
}

// A steady rock beat over `bars` bars of 4 beats, with a fill of open hats in the last bar.
void Drums(Track& track, int bars, double beat) {
  for (int bar = 0; bar < bars; ++bar) {
    const double t = bar * 4 * beat;
    track.Kick(t, 0.9f);
    track.Kick(t + 2 * beat, 0.9f);
    track.Kick(t + 2.5 * beat, 0.5f);
    track.Snare(t + beat, 0.5f);
    track.Snare(t + 3 * beat, 0.5f);
    for (int eighth = 0; eighth < 8; ++eighth) {
      const bool open = bar == bars - 1 && eighth == 7;
      track.HiHat(t + eighth * beat * 0.5, eighth % 2 == 0 ? 0.25f : 0.15f, open);
    }
  }
}

// Runs up and down the three notes of each bar's chord in sixteenths.
void Arpeggio(Track& track, const std::vector<std::array<const char*, 3>>& chords, double beat,
              const Voice& voice, float gain) {
  for (size_t bar = 0; bar < chords.size(); ++bar) {
    const auto& c = chords[bar];
    const std::string line = std::string(c[0]) + " " + c[1] + " " + c[2] + " " + c[1];
    track.Sequence(line + " " + line + " " + line + " " + line, static_cast<double>(bar) * 4 * beat,
                   beat / 4, 0.0, voice, gain);
  }
}

}  // namespace

Samples ThemeSound() {
  // 120 beats a minute: a beat is exactly 11025 samples, 8 bars 16 seconds.
  const double beat = 0.5;
  Track track(static_cast<size_t>(kSampleRate / 2) * 32, true, 11);
  const Band band = ThemeBand(Wave::kSaw, Wave::kSquare);
  track.Sequence(
      "A2 . A3 A2 . A2 A3 E2  F2 . F3 F2 . F2 F3 C3  C3 . C4 C3 . C3 C4 G2  G2 . G3 G2 . G2 G3 D3 "
      "A2 . A3 A2 . A2 A3 E2  F2 . F3 F2 . F2 F3 C3  G2 . G3 G2 . G2 G3 B2  E2 . E3 E2 . E2 G#2 B2",
      0.0, beat / 2, 0.0, band.bass, 0.5f);
  track.Sequence(
      "A4 . C5 E5 - D5 C5 -  A4 . F4 A4 - C5 - .  G4 . C5 E5 - G5 E5 -  D5 - B4 G4 - . D5 . "
      "E5 . A5 E5 - C5 A4 -  F5 - E5 C5 - A4 C5 .  B4 . D5 G5 - F5 D5 -  E5 - - B4 - G#4 B4 -",
      0.0, beat / 2, 0.0, band.lead, 0.32f);
  Arpeggio(track,
           {{"A3", "C4", "E4"},
            {"F3", "A3", "C4"},
            {"C4", "E4", "G4"},
            {"G3", "B3", "D4"},
            {"A3", "C4", "E4"},
            {"F3", "A3", "C4"},
            {"G3", "B3", "D4"},
            {"E3", "G#3", "B3"}},
           beat, band.arp, 0.12f);
  Drums(track, 8, beat);
  return track.Finish();
}

Samples Theme2Sound() {
  // 126 beats a minute: a beat is exactly 10500 samples.
  const double beat = 10500.0 / kSampleRate;
  Track track(10500 * 32, true, 22);
  const Band band = ThemeBand(Wave::kSquare, Wave::kSaw);
  track.Sequence(
      "D2 D2 . D3 . D2 C3 D3  Bb1 Bb1 . Bb2 . Bb1 A2 Bb2  G1 G1 . G2 . G1 F2 G2  A1 A1 . A2 . A1 "
      "G2 A2  D2 D2 . D3 . D2 C3 D3  Bb1 Bb1 . Bb2 . Bb1 A2 Bb2  C2 C2 . C3 . C2 Bb2 C3  A1 A1 . "
      "A2 . C#3 E3 A2",
      0.0, beat / 2, 0.0, band.bass, 0.5f);
  track.Sequence(
      "D5 - . A4 D5 F5 - E5  D5 - Bb4 - . F4 Bb4 -  G4 . Bb4 D5 - G5 F5 -  E5 - C#5 - A4 - . . "
      "F5 - . D5 A5 - G5 F5  F5 - D5 - Bb4 D5 F5 -  E5 . C5 G5 - E5 C5 -  C#5 - E5 - A5 - G5 E5",
      0.0, beat / 2, 0.0, band.lead, 0.3f);
  Arpeggio(track,
           {{"D4", "F4", "A4"},
            {"Bb3", "D4", "F4"},
            {"G3", "Bb3", "D4"},
            {"A3", "C#4", "E4"},
            {"D4", "F4", "A4"},
            {"Bb3", "D4", "F4"},
            {"C4", "E4", "G4"},
            {"A3", "C#4", "E4"}},
           beat, band.arp, 0.12f);
  Drums(track, 8, beat);
  return track.Finish();
}

Samples IntroSound() {
  Track track = Track::Seconds(3.2, false, 33);
  Voice bell;
  bell.wave = Wave::kBell;
  bell.decay = 0.6f;
  bell.sustain = 0.2f;
  bell.release = 0.8f;
  track.Sequence("A4 C#5 E5 A5 C#6 E6", 0.0, 0.12, 0.0, bell, 0.3f);
  Voice pad;
  pad.wave = Wave::kSaw;
  pad.attack = 0.3f;
  pad.decay = 0.5f;
  pad.sustain = 0.6f;
  pad.release = 0.9f;
  pad.brightness = 0.12f;
  for (const char* note : {"A3", "C#4", "E4", "A4"}) {
    track.Note(0.7, 1.4, NoteFrequency(note), pad, 0.2f);
  }
  Voice sweep;
  sweep.wave = Wave::kSine;
  sweep.attack = 0.6f;
  sweep.decay = 0.1f;
  sweep.sustain = 1.0f;
  sweep.release = 0.3f;
  sweep.glide_to = 1760.0f;
  sweep.vibrato_rate = 9.0f;
  sweep.vibrato_depth = 0.01f;
  track.Note(0.0, 0.9, 220.0, sweep, 0.08f);
  track.Kick(0.72, 0.6f);
  return track.Finish();
}

Samples MessageSound() {
  // Four calm seconds. Each pad tone is a pair of sines a quarter hertz apart, both whole
  // numbers of cycles in the loop, so the slow beating between them comes round with it.
  Track track = Track::Seconds(4.0, true, 44);
  Voice pad;
  pad.attack = 0.0f;
  pad.decay = 0.0f;
  pad.sustain = 1.0f;
  pad.release = 0.0f;
  for (double f : {130.75, 261.5, 329.5, 392.0, 494.0}) {
    track.Note(0.0, 4.0, f, pad, 0.1f);
    track.Note(0.0, 4.0, f + 0.25, pad, 0.07f);
  }
  Voice bell;
  bell.wave = Wave::kBell;
  bell.decay = 0.8f;
  bell.sustain = 0.0f;
  bell.release = 0.4f;
  track.Sequence("E5 . G5 . D5 . C5 .", 0.0, 0.5, 0.0, bell, 0.12f);
  return track.Finish(0.4f);
}

Samples WinSound() {
  // Two bars at 120 beats a minute: a fanfare over a march.
  const double beat = 0.5;
  Track track(static_cast<size_t>(kSampleRate / 2) * 8, true, 55);
  const Band band = ThemeBand(Wave::kSquare, Wave::kSquare);
  Voice brass = band.lead;
  brass.brightness = 0.5f;
  track.Sequence("C5 E5 G5 C6 - G5 C6 -  D5 F5 A5 D6 - C6 B5 G5", 0.0, beat / 2, 0.0, brass, 0.3f);
  track.Sequence("C3 . G2 . C3 . G2 .  D3 . A2 . G2 . B2 .", 0.0, beat / 2, 0.0, band.bass, 0.5f);
  Drums(track, 2, beat);
  return track.Finish();
}

}  // namespace orbelon::assets
