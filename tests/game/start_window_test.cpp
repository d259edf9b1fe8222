// The start window: the keys on a fresh window, "Instructions" before "Begin", and a start
// window that never comes back once play has begun.

#include <gtest/gtest.h>

#include <string>

#include "game/startup_run.h"
#include "startup/frm_rules.h"

namespace orbelon {
namespace {

using gametest::Game;
using gametest::StopGame;
using namespace startuptest;

TEST(StartWindow, EnterOrSpaceOnAFreshWindowBeginsTheGame) {
  for (int key : {kEnter, kSpace}) {
    Game game(StartOptions("nosound"));
    startup::frmStart& start = game.program.StartWindow();
    game.backend.At(1000, [&] {
      EXPECT_EQ(start.FocusedControl(), &start.OKButton) << "\"Begin\" has the focus";
      game.backend.PressKey(start, key);
    });
    game.backend.At(6000, [&] {
      ASSERT_TRUE(game.program.HasPlayWindow()) << "key " << key << " did not begin the game";
      EXPECT_TRUE(game.Vorlet().IsVisible()) << "key " << key;
      EXPECT_FALSE(start.IsVisible()) << "key " << key;
      EXPECT_TRUE(start.IsLoaded()) << "the start window stays loaded, hidden";
      throw StopGame{};
    });
    ASSERT_TRUE(RunProgram(game).stopped) << "key " << key;
  }
}

TEST(StartWindow, InstructionsAsOftenAsWantedThenBegin) {
  Game game(StartOptions(""));
  startup::frmStart& start = game.program.StartWindow();
  constexpr int kRounds = 3;
  for (int round = 0; round < kRounds; ++round) {
    const uint32_t at = 1000 + 2000 * static_cast<uint32_t>(round);
    game.backend.At(at, [&] { game.backend.Click(start, start.Command1); });
    game.backend.At(at + 500, [&, round] {
      startup::frmRules& rules = game.program.RulesWindow();
      ASSERT_TRUE(rules.IsVisible()) << "round " << round << ": no rules window";
      ASSERT_NE(rules.GetPicture(), nullptr);
      EXPECT_EQ(rules.GetPicture()->width, 400);
      EXPECT_EQ(rules.GetPicture()->height, 400);
      // The start window waits in its modal show: "Begin" does nothing meanwhile.
      game.backend.Click(start, start.OKButton);
      game.backend.PressKey(start, kEnter);
    });
    game.backend.At(at + 1000, [&, round] {
      EXPECT_FALSE(game.program.HasPlayWindow()) << "round " << round << ": began under rules";
      game.backend.ClickAt(game.program.RulesWindow(), 200, 200);
    });
  }
  game.backend.At(1000 + 2000 * kRounds, [&] {
    EXPECT_FALSE(game.program.RulesWindow().IsLoaded());
    game.backend.Click(start, start.OKButton);
  });
  game.backend.At(15000, [&] { throw StopGame{}; });
  ASSERT_TRUE(RunProgram(game).stopped);

  EXPECT_EQ(WindowEvents(game.backend, "frmRules", "show"), kRounds);
  EXPECT_EQ(WindowEvents(game.backend, "frmStart", "show"), 1)
      << "the start window is never seen again after Begin";
  ASSERT_TRUE(game.program.HasPlayWindow());
  EXPECT_TRUE(game.Vorlet().IsVisible());
}

}  // namespace
}  // namespace orbelon
