// The display test: anything but 16 bits per pixel ends the program after its message, whatever
// the sound system did before it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/startup_run.h"

namespace orbelon {
namespace {

using gametest::Game;
using namespace startuptest;

struct Road {
  const char* name;
  const char* command_line;
  bool sound_device;
  std::vector<std::string> titles;  // the boxes, in order
};

TEST(StartUp, ADisplayThatIsNotHighColourEndsTheProgramAfterItsMessage) {
  const Road roads[] = {
      {"working sound", "", true, {"Error:"}},
      {"failing sound system", "", false, {kSoundTitle, "Error:"}},
      {"nosound", "nosound", true, {kSoundTitle, "Error:"}},
  };
  for (const Road& road : roads) {
    for (int bits : {32, 24, 15, 8}) {
      const std::string where = std::string(road.name) + " at " + std::to_string(bits) + " bits";
      Game game(StartOptions(road.command_line));
      game.backend.sound_device = road.sound_device;
      game.backend.display_bits_per_pixel = bits;
      game.StopAt(60000);
      const gametest::RunEnd end = RunProgram(game);

      ASSERT_FALSE(end.stopped) << where << ": the program went on";
      EXPECT_EQ(end.exit_status, 0) << where;
      EXPECT_EQ(BoxTitles(game.backend), road.titles) << where;
      const scripted::BoxRecord& box = game.backend.boxes.back();
      EXPECT_EQ(box.prompt, kDisplayText) << where;
      EXPECT_EQ(box.style, 16) << where;
      EXPECT_EQ(WindowEvents(game.backend, "frmStart", "show"), 0)
          << where << ": the start window was shown";
      EXPECT_TRUE(game.backend.sound_calls.empty()) << where << ": no buffer before the test";
    }
  }
}

}  // namespace
}  // namespace orbelon
