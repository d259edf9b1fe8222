// The synthesiser's notes, sequencer and loops, and textures that tile without seams and come
// out black only where they are meant as holes. (The loudness and the silent ends of the
// finished sounds are checked on the files themselves.)

#include <gtest/gtest.h>
#include <stb_image.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/image.h"
#include "assets/synth.h"
#include "assets/textures.h"

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

// An organ: at full strength at once, as long as the note is held.
TEST(Synth, HeldStepsSoundOnRestsStaySilentAndALoopCarriesWhatRingsPastItsEnd) {
  const Voice organ{.attack = 0.001f, .decay = 0.001f, .sustain = 1.0f, .release = 0.01f};
  Track track = Track::Seconds(1.0, false);
  // A note held for three steps, a rest, then a short note.
  track.Sequence("A4 - - . A4 . . .", 0.0, 0.125, 0.0, organ, 0.5f);
  const auto s = track.Finish();
  EXPECT_GT(Loudness(s, 0.27, 0.33), 1000.0f) << "a held note stopped early";
  EXPECT_LT(Loudness(s, 0.40, 0.49), 10.0f) << "the rest is not silent";
  EXPECT_GT(Loudness(s, 0.52, 0.58), 1000.0f);
  EXPECT_LT(Loudness(s, 0.70, 0.99), 10.0f);

  Track loop = Track::Seconds(1.0, true);
  loop.Note(0.8, 0.4, 440.0, organ, 0.5f);
  Track once = Track::Seconds(1.0, false);
  once.Note(0.8, 0.4, 440.0, organ, 0.5f);
  EXPECT_GT(Loudness(loop.Finish(), 0.0, 0.15), 1000.0f) << "the tail was cut at the loop's end";
  EXPECT_LT(Loudness(once.Finish(), 0.0, 0.15), 1.0f) << "a one-shot wrapped round";
}

TEST(Textures, EveryRepeatedTextureRunsOnAcrossItsEdges) {
  const std::pair<const char*, Image (*)()> textures[] = {
      {"core", CoreTexture}, {"core2", Core2Texture},     {"bridge", BridgeTexture},
      {"rim", RimTexture},   {"grass", GrassTexture},     {"marble", MarbleTexture},
      {"ufo", UfoTexture},   {"crackle", CrackleTexture}, {"disc", DiscTexture},
      {"ant", AntTexture},   {"rage", RageTexture},       {"ray", RayTexture},
  };
  for (const auto& [name, make] : textures) {
    const Image image = make();
    // The step from the last column (row) to the first is no bigger than the biggest step
    // between two columns (rows) inside.
    for (const bool across : {true, false}) {
      const int lines = across ? image.Width() : image.Height();
      const int length = across ? image.Height() : image.Width();
      const auto step = [&](int from, int to) {
        float sum = 0.0f;
        for (int i = 0; i < length; ++i) {
          const glm::vec3 d =
              across ? image.At(from, i) - image.At(to, i) : image.At(i, from) - image.At(i, to);
          sum += std::abs(d.r) + std::abs(d.g) + std::abs(d.b);
        }
        return sum;
      };
      float inner = 0.0f;
      for (int line = 0; line + 1 < lines; ++line) {
        inner = std::max(inner, step(line, line + 1));
      }
      EXPECT_LE(step(lines - 1, 0), 1.25f * inner + 1.0f)
          << name << " shows a seam where it repeats " << (across ? "across" : "down");
    }
  }
}

TEST(Textures, OnlyMarkedHolesAreWrittenExactlyBlack) {
  Image image(3, 1, glm::vec3(0.0f));
  image.SetHole(1, 0);
  image.At(2, 0) = glm::vec3(0.001f);
  const auto png = EncodePng(image);
  int w = 0;
  int h = 0;
  int channels = 0;
  stbi_uc* rgb =
      stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &w, &h, &channels, 3);
  ASSERT_NE(rgb, nullptr);
  const std::vector<int> bytes(rgb, rgb + 9);
  stbi_image_free(rgb);
  EXPECT_EQ(bytes, (std::vector<int>{1, 1, 1, 0, 0, 0, 1, 1, 1}))
      << "a dark texel turned see-through, or a hole was drawn";
}

}  // namespace
}  // namespace orbelon::assets
