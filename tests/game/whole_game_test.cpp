// A whole game as a player plays it: the start window, "Begin", every checkpoint of both levels
// in turn, the winner's boxes and the closing window, and the end of the program.

#include "game/support/game_fixture.h"

namespace orbelon::gametest {
namespace {

TEST(WholeGame, FromTheStartWindowThroughBothLevelsToTheClosingWindow) {
  Game game(StartOptions(""));
  std::vector<BoxSeen> seen;
  AnswerEveryBox(game, seen);
  startup::frmStart& start = game.program.StartWindow();
  game.backend.At(1000, [&] { game.backend.Click(start, start.OKButton); });

  std::vector<std::string> captions;  // Label9 after each checkpoint
  std::vector<int32_t> targets;       // TempScore after each checkpoint
  std::set<std::string> level2_loops;
  game.backend.on_render = [&](int) {
    engine::frmVorlet& w = game.Vorlet();
    if (targets.empty() ? w.TempScore != 0 : w.TempScore != targets.back()) {
      targets.push_back(w.TempScore);
      captions.push_back(w.Label9.Caption());
    }
    if (game.Globals().CurrentLevel == 2 && level2_loops.empty()) {
      level2_loops = game.backend.PlayingLoops();
    }
    // Once the score has caught up, so that no award cuts the last one short.
    if (w.CurrentPod <= w.Pods && w.Score == w.TempScore) {
      PutBallOnDisc(w);
    }
  };
  ASSERT_EQ(RunProgram(game).exit_status, 0);

  std::vector<std::string> expected;
  for (int left :
       {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}) {
    expected.push_back("Checkpoints Remaining: " + std::to_string(left));
  }
  ASSERT_EQ(captions, expected) << "thirteen checkpoints in level 1, twelve in level 2";

  ASSERT_EQ(BoxTitles(game.backend),
            (std::vector<std::string>{"Ready:", "WINNER:", "Ready:", "WINNER:", "Order:"}));
  const std::set<std::string> msgb{"msgb.daw"};
  EXPECT_TRUE(seen[2].lives == 3 && seen[2].icons == 3 && seen[2].loops == msgb)
      << "level 2 begins with the lives that level 1 left";
  EXPECT_EQ(seen[1].box.prompt, std::to_string(targets[12]) + " : Congratulations !!!");
  EXPECT_EQ(seen[3].box.prompt, std::to_string(targets[24]) + " : Congratulations !!!");
  EXPECT_TRUE(seen[3].lives == 4 && seen[3].loops == std::set<std::string>{"win.daw"});
  EXPECT_EQ(seen[4].loops, msgb);
  EXPECT_EQ(level2_loops, std::set<std::string>{"theme2.daw"}) << "level 2 has its own music";
  EXPECT_EQ(WindowEvents(game.backend, "frmOrder", "show"), 1);

  // Every box stands over the play window and hands it the keyboard back; the closing window,
  // which hides the play window, stands alone.
  for (const scripted::BoxRecord& box : game.backend.boxes) {
    EXPECT_EQ(box.owner, "frmVorlet") << box.title;
  }
  EXPECT_EQ(KeyboardHandovers(game.backend), std::vector<std::string>(5, "frmVorlet"));
  EXPECT_EQ(ShownOver(game.backend, "frmOrder"), "");
}

}  // namespace
}  // namespace orbelon::gametest
