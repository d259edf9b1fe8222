// The files in the program's folder: the same bytes on every run, and sounds and pictures of the
// kinds the game was made for. (The game's own loaders read every one of them in the game tests,
// so a missing one shows there.)

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
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

TEST(DataFiles, EveryFileIsMadeTheSameOnEveryRun) {
  for (const auto& file : AllDataFiles()) {
    const auto bytes = file.make();
    EXPECT_EQ(bytes, file.make()) << file.name << " differs from one run to the next";
    EXPECT_EQ(bytes, ReadFile(file.name)) << file.name << " in the program's folder is stale";
  }
}

TEST(DataFiles, SoundsAreShortMonoPcmAndTheLoopsHaveNoSeam) {
  const std::set<std::string> loops = {"theme.daw", "theme2.daw", "msgb.daw", "win.daw",
                                       "laser.daw"};
  for (const auto& file : AllDataFiles()) {
    if (!file.name.ends_with(".daw")) {
      continue;
    }
    const auto b = file.make();
    const auto u16 = [&b](size_t at) { return b[at] | b[at + 1] << 8; };
    ASSERT_GT(b.size(), 46u);
    EXPECT_TRUE(u16(20) == 1 && u16(22) == 1 && u16(24) == 22050 && u16(34) == 16)
        << file.name << " is not 22050 Hz 16-bit mono PCM";
    std::vector<int> s;
    for (size_t at = 44; at + 1 < b.size(); at += 2) {
      s.push_back(static_cast<int16_t>(u16(at)));
    }
    const double seconds = static_cast<double>(s.size()) / 22050;
    const size_t n = s.size();
    if (loops.count(file.name)) {
      const bool theme = file.name.rfind("theme", 0) == 0;
      EXPECT_TRUE(seconds >= (theme ? 10.0 : 1.0) && seconds <= (theme ? 30.0 : 8.0))
          << file.name << " lasts " << seconds << " s";
      // Across the seam the wave runs on as it does on either side of it: a click would be a
      // step far bigger than its neighbours.
      const int steps = std::max(std::abs(s[n - 1] - s[n - 2]), std::abs(s[1] - s[0]));
      EXPECT_LE(std::abs(s[0] - s[n - 1]), 2 * steps + 64) << file.name << " clicks where it loops";
    } else {
      EXPECT_LE(seconds, file.name == "intro.daw" ? 4.0 : 1.0) << file.name << " is too long";
      EXPECT_LT(std::abs(s.front()) + std::abs(s.back()), 64)
          << file.name << " does not start and end in silence";
    }
  }
}

TEST(DataFiles, PicturesHaveTheirSizesAndOnlyDecalTexturesHaveBlack) {
  const std::set<std::string> decal = {"core.dab", "rage.dab", "craq.dab",
                                       "disc.dab", "ray.dab",  "transp.dab"};
  const std::vector<std::tuple<std::string, int, int>> sizes = {
      {"background.png", 450, 500}, {"life.png", 64, 64},     {"title.png", 400, 300},
      {"rules.png", 400, 400},      {"paused.png", 200, 200}, {"closing.png", 400, 400}};
  for (const auto& file : AllDataFiles()) {
    const auto png = file.make();
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width,
                                            &height, &channels, 3);
    if (pixels == nullptr) {
      EXPECT_FALSE(file.name.ends_with(".dab") || file.name.ends_with(".png")) << file.name;
      continue;
    }
    std::set<uint32_t> colours;
    for (int i = 0; i < width * height * 3; i += 3) {
      colours.insert(static_cast<uint32_t>(pixels[i] << 16 | pixels[i + 1] << 8 | pixels[i + 2]));
    }
    stbi_image_free(pixels);
    if (file.name.ends_with(".dab")) {
      EXPECT_TRUE(width >= 64 && width <= 256 && height == width) << file.name;
      EXPECT_EQ(colours.count(0), decal.count(file.name))
          << file.name << (colours.count(0) ? " has black that would be drawn" : " has no holes");
    }
    for (const auto& [name, w, h] : sizes) {
      EXPECT_TRUE(name != file.name || (width == w && height == h)) << name;
    }
  }
}

}  // namespace
}  // namespace orbelon::assets
