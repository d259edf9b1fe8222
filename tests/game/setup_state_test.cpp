// The play window as its load leaves it before the first life begins, and a start that stops on
// a missing data file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "game/support/game_fixture.h"

namespace orbelon {
namespace {

using gametest::Game;

TEST(PlayWindowState, RightAfterLoadAndWhilePlaying) {
  Game game;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    if (render == 1) {  // right after Level1, before the first Reset
      EXPECT_EQ(w.Lives, 4);
      EXPECT_EQ(game.Globals().CurrentLevel, 1);
      EXPECT_TRUE(w.StartX == 0 && w.StartY == 15 && w.StartZ == 300);
      EXPECT_EQ(w.Score, 0);
      EXPECT_TRUE(w.UFOActive);
      EXPECT_TRUE(w.Ant) << "no ant marker is out";
      EXPECT_FLOAT_EQ(w.RageSpin, 0.002f);
      EXPECT_EQ(w.Tessor1.StartSetting(), 30);
      EXPECT_EQ(game.backend.show_count, -1) << "the pointer is hidden before the canvas starts";
      EXPECT_FALSE(w.Label1.Visible() || w.Image1.Visible() || w.Image2.Visible() ||
                   w.Image3.Visible())
          << "the clock and the lives show only once a life begins";
    }
    EXPECT_FALSE(w.Label7.Visible()) << "render " << render;
    for (const platform::TextBox* box :
         {&w.Text1, &w.Text2, &w.Text3, &w.Text4, &w.Text5, &w.Text6, &w.Text7, &w.Text8, &w.Text9,
          &w.Text10, &w.Text11, &w.Text12, &w.Text13, &w.Text14, &w.Text15, &w.Text16}) {
      EXPECT_FALSE(box->Visible()) << box->Name() << " at render " << render;
    }
  };
  game.StopAt(1000);
  ASSERT_TRUE(game.Play().stopped);
  EXPECT_GT(game.backend.canvas_renders, 20);
}

// The program's folder with every file but one, linked rather than copied.
class FolderWithout {
 public:
  explicit FolderWithout(const std::string& missing) {
    static int count = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("orbelon-without-" + std::to_string(getpid()) + "-" + std::to_string(++count));
    std::filesystem::create_directories(path_);
    for (const auto& entry : std::filesystem::directory_iterator(ORBELON_GAME_DIR)) {
      if (entry.path().filename() != missing) {
        std::filesystem::create_symlink(entry.path(), path_ / entry.path().filename());
      }
    }
  }
  ~FolderWithout() { std::filesystem::remove_all(path_); }
  gametest::GameOptions Options() const {
    gametest::GameOptions options;
    options.folder = path_.string();
    return options;
  }

 private:
  std::filesystem::path path_;
};

void ExpectNamed(const platform::PlatformError& error, const std::string& file) {
  EXPECT_NE(std::string(error.what()).find(file), std::string::npos)
      << "the error does not name " << file << ": " << error.what();
}

TEST(PlayWindowStart, StopsOnAMissingDataFileAndNamesIt) {
  // grass.dab and pill.dab are loaded and never shown: the start needs them all the same.
  for (const std::string file : {"grass.dab", "pill.dab", "base1.dax", "particle.dax", "m.dab"}) {
    SCOPED_TRACE(file);
    FolderWithout folder(file);
    Game game(folder.Options());
    try {
      game.Play();
      ADD_FAILURE() << "the start went on without " << file;
    } catch (const platform::PlatformError& error) {
      ExpectNamed(error, file);
    }
    EXPECT_EQ(game.backend.canvas_renders, 0) << "nothing is drawn of a level half built";
  }
  // The window's own pictures are loaded when the window is made.
  for (const std::string file : {"background.png", "life.png"}) {
    FolderWithout folder(file);
    Game game(folder.Options());
    try {
      game.Vorlet();
      ADD_FAILURE() << "the play window was made without " << file;
    } catch (const platform::PlatformError& error) {
      ExpectNamed(error, file);
    }
  }
}

}  // namespace
}  // namespace orbelon
