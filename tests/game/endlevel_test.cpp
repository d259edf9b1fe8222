// Winning a level: the extra life, the fly-away, the winner's box and the score settled; and
// what a level 2 that cannot be built leaves behind.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/endlevel_play.h"
#include "game/startup_run.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;
using namespace endleveltest;

TEST(EndLevel, ABonusLandedInTheFlyAwayIsCountedOnlyInPartAndFourLivesStayFour) {
  gametest::GameOptions silent;
  silent.sound = false;
  Game game(silent);
  std::vector<BoxSeen> seen;
  AnswerEveryBox(game, seen);
  int fly_renders = 0;
  int32_t score_at_start = 0;
  float camera_start = 0;
  game.backend.on_render = [&](int render) {
    engine::frmVorlet& w = game.Vorlet();
    const scene::Vector camera = Game::PositionOf(w.MyCamera, w.fVorlet);
    const float distance = std::hypot(camera.x, camera.y, camera.z);
    if (render == 3) {
      w.Lives = 4;
      BallOnLastDisc(w);
    }
    if (w.CurrentPod > w.Pods && ++fly_renders == 1) {
      score_at_start = w.Score;
      camera_start = distance;
      w.TempScore += 20000;  // as an ant jump beside the UFO would give
    }
    if (w.CurrentPod > w.Pods && fly_renders == 100) {
      EXPECT_GT(distance, camera_start + 9000) << "the camera backs away";
    }
    if (game.Globals().CurrentLevel == 2) {
      EXPECT_TRUE(fly_renders == 100 && w.Score == w.TempScore && w.CurrentPod == 0);
      EXPECT_EQ(game.backend.show_count, -1) << "the pointer is hidden again";
      throw StopGame{};
    }
  };
  ASSERT_TRUE(game.Play().stopped);

  ASSERT_EQ(startuptest::BoxTitles(game.backend),
            (std::vector<std::string>{"Ready:", "WINNER:", "Ready:"}));
  EXPECT_EQ(seen[1].box.prompt, std::to_string(score_at_start + 10000) + " : Congratulations !!!")
      << "the box quotes the score as counted: at most 100 steps of 100";
  EXPECT_TRUE(seen[1].lives == 4 && seen[2].lives == 3) << "never more than four lives";
  EXPECT_TRUE(game.backend.sound_calls.empty()) << "silent mode makes no sound call";
}

// The music is loaded before level 1 is torn down, and the board after it.
// Without level 2's music the win stops before the teardown and level 1 plays on; without its
// board the teardown has already happened, so the game ends naming the file instead of playing
// on in a half-built level.
TEST(EndLevel, AMissingLevel2FileStopsTheBuildWhereItFails) {
  for (const char* file : {"theme2.daw", "spiderb.dax"}) {
    SCOPED_TRACE(file);
    const bool board_missing = std::string(file) == "spiderb.dax";
    startuptest::FolderWithout folder(file);
    gametest::GameOptions options;
    options.folder = folder.Path();
    Game game(options);
    std::vector<BoxSeen> seen;
    AnswerEveryBox(game, seen);
    scene::Frame level1_root;
    game.backend.on_render = [&](int render) {
      engine::frmVorlet& w = game.Vorlet();
      if (render == 3) {
        level1_root = w.fBase;
        w.Timer4.SetEnabled(true);
        BallOnLastDisc(w);
      }
      if (seen.size() == 2) {
        EXPECT_FALSE(board_missing) << "play went on without a board";
        EXPECT_EQ(w.fBase, level1_root);
        EXPECT_TRUE(w.UFOActive && !w.Timer4.Enabled());
        EXPECT_TRUE(game.Globals().CurrentLevel == 2 && w.Score == w.TempScore && w.Lives == 4);
        EXPECT_TRUE(w.StartY == 15 && w.Label8.Caption() == "LEVEL: Demo1");
        EXPECT_EQ(game.backend.show_count, 0) << "the win ended before its pointer hide";
        EXPECT_EQ(game.backend.PlayingLoops(), std::set<std::string>{"msgb.daw"});
        throw StopGame{};
      }
    };
    if (!board_missing) {
      ASSERT_TRUE(game.Play().stopped);
      continue;
    }
    try {
      game.Play();
      ADD_FAILURE() << "the game went on without level 2's board";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("spiderb.dax"), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace orbelon
