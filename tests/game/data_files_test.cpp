// The program's data files as the game's own loaders read them, and a start that stops on a
// missing one with an error that names it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/startup_run.h"
#include "platform/files/wave_file.h"
#include "platform/runtime/picture.h"

namespace orbelon {
namespace {

using gametest::Game;

TEST(DataFiles, EveryMeshPictureAndSoundLoads) {
  scene::Root root(nullptr);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ORBELON_GAME_DIR)) {
    const std::string path = entry.path().string(), type = entry.path().extension().string();
    try {
      if (type == ".dax") {
        root.CreateMeshBuilder().LoadFromFile(path);
      } else if (type == ".dab" || type == ".png") {
        platform::LoadPicture(path);
      } else if (type == ".daw") {
        platform::ReadWaveFile(path);
      } else {
        continue;
      }
      ++files;
    } catch (const platform::PlatformError& error) {
      ADD_FAILURE() << error.what();
    }
  }
  EXPECT_GE(files, 50);
}

TEST(DataFiles, AMissingFileStopsTheProgramAndTheErrorNamesIt) {
  // Level 1's files (grass.dab and pill.dab are loaded and never shown: the start needs them all
  // the same), and the pictures of the windows, loaded when a window is made.
  for (const std::string file :
       {"grass.dab", "pill.dab", "base1.dax", "particle.dax", "m.dab", "background.png", "life.png",
        "title.png", "rules.png", "paused.png", "closing.png"}) {
    startuptest::FolderWithout folder(file);
    Game game(startuptest::StartOptions("nosound", folder.Path()));
    game.StopAt(1000);
    try {
      game.program.StartWindow();
      game.program.RulesWindow();
      game.program.PauseWindow();
      game.program.ClosingWindow();
      game.Play();
      ADD_FAILURE() << "the program went on without " << file;
    } catch (const platform::PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find(file), std::string::npos)
          << "the error \"" << error.what() << "\" does not name " << file;
    }
    EXPECT_EQ(game.backend.canvas_renders, 0) << "something was drawn without " << file;
  }
}

}  // namespace
}  // namespace orbelon
