// The files in the program's folder: all there, the same bytes on every run, and in the forms
// the loaders read.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <stb_image.h>

#include "assets/data_files.h"

namespace orbelon::assets {
namespace {

std::vector<uint8_t> ReadFile(const std::string& name) {
  std::ifstream in(std::string(ORBELON_GAME_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(DataFiles, EveryFileTheGameOpensIsMadeTheSameOnEveryRun) {
  const std::set<std::string> needed = {
      // Textures of both levels.
      "space.dab", "m.dab", "bridge.dab", "ufo.dab", "transp.dab", "craq.dab", "disc.dab",
      "rim.dab", "ant.dab", "grass.dab", "core.dab", "rage.dab", "pill.dab", "ray.dab",
      "space2.dab", "core2.dab",
      // Meshes.
      "base1.dax", "bridge.dax", "rim1.dax", "disk.dax", "arrow.dax", "vorlet.dax", "ufo1.dax",
      "ufo2.dax", "tele.dax", "telebase.dax", "pill.dax", "rage.dax", "ant.dax", "beam.dax",
      "particle.dax", "spiderb.dax", "spiderr.dax",
      // Sounds.
      "intro.daw", "theme.daw", "chip.daw", "msgb.daw", "fall.daw", "win.daw", "bird.daw",
      "pill.daw", "rage.daw", "tele.daw", "laser.daw", "theme2.daw",
      // The windows' pictures.
      "background.png", "life.png", "title.png", "rules.png", "paused.png", "closing.png"};
  std::set<std::string> made;
  for (const auto& file : AllDataFiles()) {
    made.insert(file.name);
    const auto bytes = file.make();
    EXPECT_EQ(bytes, file.make()) << file.name << " differs from one run to the next";
    EXPECT_EQ(bytes, ReadFile(file.name)) << file.name << " in the program's folder is stale";
  }
  for (const auto& name : needed) {
    EXPECT_TRUE(made.count(name)) << name << " is not made";
  }
}

TEST(DataFiles, MeshesAreObjTextWithEveryIndexInRange) {
  for (const auto& file : AllDataFiles()) {
    if (!EndsWith(file.name, ".dax")) {
      continue;
    }
    const auto bytes = file.make();
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    size_t counts[3] = {0, 0, 0};
    std::vector<std::string> faces;
    std::string line;
    while (std::getline(text, line)) {
      if (line.rfind("v ", 0) == 0) {
        ++counts[0];
      } else if (line.rfind("vt ", 0) == 0) {
        ++counts[1];
      } else if (line.rfind("vn ", 0) == 0) {
        ++counts[2];
      } else if (line.rfind("f ", 0) == 0) {
        faces.push_back(line.substr(2));
      }
    }
    ASSERT_FALSE(faces.empty()) << file.name;
    size_t bad = 0;
    for (const auto& face : faces) {
      std::istringstream corners(face);
      std::string corner;
      int n = 0;
      while (corners >> corner) {
        ++n;
        std::istringstream parts(corner);
        std::string part;
        for (size_t kind = 0; std::getline(parts, part, '/'); ++kind) {
          const long index = std::strtol(part.c_str(), nullptr, 10);
          bad += kind > 2 || index < 1 || static_cast<size_t>(index) > counts[kind];
        }
      }
      bad += n != 3;
    }
    EXPECT_EQ(bad, 0u) << file.name << " has faces that point past its lists";
  }
}

struct Wave {
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<int16_t> samples;
};

Wave ParseWave(const std::vector<uint8_t>& b) {
  const auto u16 = [&b](size_t at) { return b[at] | b[at + 1] << 8; };
  const auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
  Wave w;
  if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt " || u16(20) != 1 ||
      u32(40) != b.size() - 44 || u32(4) != b.size() - 8) {
    return w;
  }
  w.channels = u16(22);
  w.rate = static_cast<int>(u32(24));
  w.bits = u16(34);
  for (size_t i = 44; i + 1 < b.size(); i += 2) {
    w.samples.push_back(static_cast<int16_t>(u16(i)));
  }
  return w;
}

TEST(DataFiles, SoundsAreShortMonoPcmAndTheLoopsHaveNoSeam) {
  const std::set<std::string> loops = {"theme.daw", "theme2.daw", "msgb.daw", "win.daw",
                                       "laser.daw"};
  for (const auto& file : AllDataFiles()) {
    if (!EndsWith(file.name, ".daw")) {
      continue;
    }
    const Wave w = ParseWave(file.make());
    ASSERT_EQ(w.channels, 1) << file.name << " is not a mono PCM wave";
    EXPECT_EQ(w.rate, 22050) << file.name;
    EXPECT_EQ(w.bits, 16) << file.name;
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    int peak = 0;
    for (int16_t s : w.samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_GT(peak, 32767 * 0.35) << file.name << " is too quiet";
    EXPECT_LT(peak, 32767 * 0.56) << file.name << " is louder than -5 dBFS";
    const auto& s = w.samples;
    if (loops.count(file.name)) {
      const bool theme = file.name.rfind("theme", 0) == 0;
      EXPECT_GE(seconds, theme ? 10.0 : 1.0) << file.name;
      EXPECT_LE(seconds, theme ? 30.0 : 8.0) << file.name;
      // Across the seam the wave runs on as it does on either side of it: a click would be a
      // step far bigger than its neighbours.
      const size_t n = s.size();
      const int before = std::abs(s[n - 1] - s[n - 2]);
      const int after = std::abs(s[1] - s[0]);
      EXPECT_LE(std::abs(s[0] - s[n - 1]), 2 * std::max(before, after) + 64)
          << file.name << " clicks where it loops";
    } else {
      EXPECT_LE(seconds, file.name == "intro.daw" ? 4.0 : 1.0) << file.name << " is too long";
      EXPECT_LT(std::abs(s.front()) + std::abs(s.back()), 64)
          << file.name << " does not start and end in silence";
    }
  }
}

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
  bool HasBlack() const {
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
      if (rgb[i] == 0 && rgb[i + 1] == 0 && rgb[i + 2] == 0) {
        return true;
      }
    }
    return false;
  }
  size_t Colours() const {
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
      colours.insert(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
    }
    return colours.size();
  }
};

Picture Decode(const std::vector<uint8_t>& png) {
  Picture p;
  int channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &p.width,
                                          &p.height, &channels, 3);
  if (pixels != nullptr) {
    p.rgb.assign(pixels, pixels + static_cast<size_t>(p.width) * p.height * 3);
    stbi_image_free(pixels);
  }
  return p;
}

TEST(DataFiles, PicturesHaveTheirSizesAndOnlyDecalTexturesHaveBlack) {
  const std::set<std::string> decal = {"core.dab", "rage.dab", "craq.dab",
                                       "disc.dab", "ray.dab",  "transp.dab"};
  const std::set<std::string> few_colours = {"title.png", "rules.png", "paused.png"};
  const std::vector<std::tuple<std::string, int, int>> sizes = {
      {"background.png", 450, 500}, {"life.png", 64, 64},     {"title.png", 400, 300},
      {"rules.png", 400, 400},      {"paused.png", 200, 200}, {"closing.png", 400, 400}};
  for (const auto& file : AllDataFiles()) {
    const Picture p = Decode(file.make());
    if (EndsWith(file.name, ".dab")) {
      ASSERT_FALSE(p.rgb.empty()) << file.name << " is no PNG";
      EXPECT_TRUE(p.width >= 64 && p.width <= 256 && p.height == p.width) << file.name;
      EXPECT_EQ(p.HasBlack(), decal.count(file.name) == 1)
          << file.name
          << (p.HasBlack() ? " has black that would be drawn" : " has no see-through texels");
    }
    if (few_colours.count(file.name)) {
      EXPECT_LE(p.Colours(), 256u) << file.name;
    }
  }
  for (const auto& [name, width, height] : sizes) {
    const Picture p = Decode(ReadFile(name));
    EXPECT_EQ(p.width, width) << name;
    EXPECT_EQ(p.height, height) << name;
  }
}

}  // namespace
}  // namespace orbelon::assets
